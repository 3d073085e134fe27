#include "platform/tray_icon.h"

#include <QPixmap>

#include <gtest/gtest.h>

using tulvane::platform::TrayIcon;
using tulvane::platform::TrayMessage;
using tulvane::platform::trayMessageFor;

TEST(TrayIcon, QtActivationsBecomeTheMouseMessagesOfTheTrayForm)
{
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::Trigger), TrayMessage::LeftButtonUp);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::DoubleClick), TrayMessage::LeftButtonDoubleClick);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::Context), TrayMessage::RightButtonUp);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::MiddleClick), TrayMessage::MiddleButtonUp);
    EXPECT_EQ(trayMessageFor(QSystemTrayIcon::Unknown), std::nullopt);
    EXPECT_EQ(static_cast<int>(TrayMessage::LeftButtonDoubleClick), 515);
    EXPECT_EQ(static_cast<int>(TrayMessage::RightButtonUp), 517);
}

TEST(TrayIcon, ReportsActivationsToItsHandler)
{
    TrayIcon tray;
    std::vector<TrayMessage> received;
    tray.onMessage([&received](TrayMessage message) { received.push_back(message); });
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    emit icon->activated(QSystemTrayIcon::Unknown);
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(received, (std::vector<TrayMessage>{TrayMessage::LeftButtonUp,
                                                  TrayMessage::LeftButtonDoubleClick,
                                                  TrayMessage::RightButtonUp}));
}

TEST(TrayIcon, RunsOnWithoutANotificationArea)
{
    EXPECT_FALSE(TrayIcon::isAvailable()) << "the tests run offscreen";
    TrayIcon tray;
    QPixmap picture(32, 32);
    picture.fill(Qt::blue);
    tray.setIcon(QIcon(picture));
    tray.setToolTip("Tulvane Avance v.4.2 - Lecteur Multimédia");
    tray.add();
    tray.remove();
    EXPECT_FALSE(tray.isAdded());
    EXPECT_EQ(tray.findChild<QSystemTrayIcon*>()->toolTip(), "Tulvane Avance v.4.2 - Lecteur Multimédia");
}
