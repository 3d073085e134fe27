#include "platform/tray_icon.h"

namespace tulvane::platform {

std::optional<TrayMessage> trayMessageFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayMessage::LeftButtonUp;
    case QSystemTrayIcon::DoubleClick:
        return TrayMessage::LeftButtonDoubleClick;
    case QSystemTrayIcon::Context:
        return TrayMessage::RightButtonUp;
    case QSystemTrayIcon::MiddleClick:
        return TrayMessage::MiddleButtonUp;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return std::nullopt;
}

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent), icon_(new QSystemTrayIcon(this))
{
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (const auto message = trayMessageFor(reason); message && handler_)
                    handler_(*message);
            });
}

bool TrayIcon::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setIcon(const QIcon& icon)
{
    icon_->setIcon(icon);
}

void TrayIcon::setToolTip(const QString& tip)
{
    icon_->setToolTip(tip);
}

QString TrayIcon::toolTip() const
{
    return icon_->toolTip();
}

void TrayIcon::onMessage(std::function<void(TrayMessage)> handler)
{
    handler_ = std::move(handler);
}

void TrayIcon::add()
{
    icon_->show();
}

void TrayIcon::remove()
{
    icon_->hide();
}

bool TrayIcon::isAdded() const
{
    return icon_->isVisible();
}

}  // namespace tulvane::platform
