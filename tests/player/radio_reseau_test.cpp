// The radio through the real media player, against a station on this machine.
#include "components/station_cipher.h"
#include "fakes/contexte_test.h"
#include "player/finterface.h"
#include "player/fsys.h"
#include "support/bytes.h"

#include <QLabel>
#include <QListWidget>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace tulvane;

namespace {

// One MPEG-1 Layer III frame of silence: 128 kbit/s, 44.1 kHz, mono. Zeroed side
// information gives no coded samples, which decodes as silence.
QByteArray trameSilence()
{
    constexpr int kTaille = 144 * 128000 / 44100;  // 417 bytes, no padding
    QByteArray trame(kTaille, '\0');
    trame[0] = char(0xFF);
    trame[1] = char(0xFB);  // MPEG-1, Layer III, no CRC
    trame[2] = char(0x90);  // 128 kbit/s, 44.1 kHz
    trame[3] = char(0xC4);  // mono, original
    return trame;
}

// An endless station as a web radio serves it: the answer's header, then frames at the
// pace the test sets, for as long as the player listens.
class StationLocale {
public:
    StationLocale()
    {
        QObject::connect(&serveur_, &QTcpServer::newConnection, &serveur_, [this] {
            while (QTcpSocket* client = serveur_.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                    if (!client->readAll().contains("\r\n\r\n") || client->property("servi").toBool())
                        return;
                    client->setProperty("servi", true);
                    client->write("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-name: Essai\r\n\r\n");
                    auto* minuterie = new QTimer(client);
                    QObject::connect(minuterie, &QTimer::timeout, client, [this, client] {
                        for (int i = 0; i < tramesParTour; ++i)
                            client->write(trame_);
                    });
                    minuterie->start(26);
                });
            }
        });
        serveur_.listen(QHostAddress::LocalHost);
    }

    QString adresse() const { return QString("http://127.0.0.1:%1/flux.mp3").arg(serveur_.serverPort()); }

    int tramesParTour = 1;  // one frame is 26 ms of sound: 1 keeps pace, 0 starves the player

private:
    QTcpServer serveur_;
    QByteArray trame_ = trameSilence();
};

TEST(RadioReseau, BuffersThenSaysTheStationItIsConnectedTo)
{
    if (!QMediaPlayer().isAvailable())
        GTEST_SKIP() << "Qt Multimedia has no usable backend here";
    StationLocale station;
    test::ContexteDeTest t(test::ContexteDeTest::Reels{.lecteurs = true, .reglages = false});
    test::writeFile(t.dossier() / "Radios.sys",
                    components::chiffrerListeRadios({{"Station d'essai", station.adresse().toStdString(), "-"}},
                                                    components::kCleListeRadios));
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    f.Form_Load();
    ctx.fSYS().Timer2_Timer();

    f.BTN9_Click();
    f.Combo1->setCurrentRow(0);
    f.BTNcmd_Click(0);
    EXPECT_EQ(f.Label23->text(), "Connexion avec le serveur...");

    // The texts the status timer shows, in turn.
    QStringList vus;
    QObject::connect(&f.Timer3, &QTimer::timeout, &f.Timer3, [&] {
        if (vus.isEmpty() || vus.back() != f.Label23->text())
            vus << f.Label23->text();
    });
    const QRegularExpression remplissage("^Mise en mémoire cache : (100|[1-9]?[0-9])%$");

    // A station that keeps pace with the player never fills its buffer...
    EXPECT_TRUE(QTest::qWaitFor([&] { return remplissage.match(f.Label23->text()).hasMatch(); }, 10000))
        << vus.join(" | ").toStdString();
    // ...one that sends faster does.
    station.tramesParTour = 8;
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Label23->text() == "Connecté sur : Station d'essai"; }, 20000))
        << vus.join(" | ").toStdString();
    EXPECT_EQ(vus.value(0), "Connexion avec le serveur...");
}

}  // namespace
