#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <optional>

namespace tulvane::platform {

// The icon's mouse messages, numbered as the window messages the tray form compares with.
enum class TrayMessage {
    LeftButtonUp = 514,
    LeftButtonDoubleClick = 515,
    RightButtonUp = 517,
    MiddleButtonUp = 520,
};

// What Qt's activation reason stands for; nothing for a reason Qt cannot name.
std::optional<TrayMessage> trayMessageFor(QSystemTrayIcon::ActivationReason reason);

// The program's icon in the notification area. Without a notification area (a bare window
// manager, the offscreen platform) it is never seen and reports nothing; the program runs on.
class TrayIcon : public QObject {
public:
    explicit TrayIcon(QObject* parent = nullptr);

    static bool isAvailable();

    void setIcon(const QIcon& icon);
    void setToolTip(const QString& tip);
    QString toolTip() const;
    void onMessage(std::function<void(TrayMessage)> handler);

    void add();
    void remove();
    bool isAdded() const;

private:
    QSystemTrayIcon* icon_;
    std::function<void(TrayMessage)> handler_;
};

}  // namespace tulvane::platform
