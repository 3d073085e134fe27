#include "platform/ansi_text.h"

#include "support/bytes.h"
#include "support/petit_disque.h"
#include "support/sans_attente.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace tulvane::platform;
using tulvane::test::Bytes;
using tulvane::test::TempFolder;
using tulvane::test::bytesOf;
using tulvane::test::readFile;
using tulvane::test::writeFile;

namespace {

QString qpath(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

QStringList entriesOf(const std::filesystem::path& folder)
{
    return QDir(qpath(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(AnsiText, WritesUtf8WithCrLfAndReadsItBack)
{
    TempFolder folder;
    const QString path = qpath(folder / "liste.tvl4");
    const QStringList lines = {"### Tulvane PlayList", "\"déjà vu.mp3\"", "", " € "};
    ASSERT_TRUE(writeTextLines(path, lines).ok());
    EXPECT_EQ(readFile(folder / "liste.tvl4"),
              bytesOf("### Tulvane PlayList\r\n\"d\xC3\xA9j\xC3\xA0 vu.mp3\"\r\n\r\n \xE2\x82\xAC \r\n"));
    const TextRead read = readTextLines(path);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.lines, lines);
}

TEST(AnsiText, NoLinesMakeAnEmptyFile)
{
    TempFolder folder;
    const QString path = qpath(folder / "Favoris.dat");
    ASSERT_TRUE(writeTextLines(path, {}).ok());
    EXPECT_TRUE(readFile(folder / "Favoris.dat").empty());
    EXPECT_TRUE(readTextLines(path).lines.isEmpty());
}

TEST(AnsiText, AFileFromTheOldPlatformKeepsItsAccents)
{
    TempFolder folder;
    writeFile(folder / "Favoris.dat", bytesOf("Chansons fran\xE7" "aises\r\nC:\\Musique\\d\xE9j\xE0.tvl4\r\n"));
    const TextRead read = readTextLines(qpath(folder / "Favoris.dat"));
    EXPECT_EQ(read.lines, (QStringList{"Chansons françaises", "C:\\Musique\\déjà.tvl4"}));
}

TEST(AnsiText, AMissingFileIsReportedByName)
{
    TempFolder folder;
    const QString path = qpath(folder / "Colonnes.dat");
    const TextRead read = readTextLines(path);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, "Impossible de lire le fichier '" + path + "'.");
}

TEST(AnsiText, ReplacingAFileKeepsItsPermissions)
{
    TempFolder folder;
    const QString path = qpath(folder / "liste.tvl4");
    writeFile(folder / "liste.tvl4", bytesOf("old\r\n"));
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path, mode);
    ASSERT_TRUE(writeTextLines(path, {"new"}).ok());
    EXPECT_EQ(readFile(folder / "liste.tvl4"), bytesOf("new\r\n"));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, mode);
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"liste.tvl4"});
}

// Every failure leaves the old file as it was, no stray temporary file, and says why.
struct FailureCase {
    const char* name;
    const char* target;  // relative to the temp folder
    const char* reason;
    bool needsNonRoot;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class FailedWrite : public testing::TestWithParam<FailureCase> {};

TEST_P(FailedWrite, KeepsTheOldFileAndSaysWhy)
{
    const FailureCase c = GetParam();
    if (c.needsNonRoot && geteuid() == 0)
        GTEST_SKIP() << "root writes into folders without write permission";
    TempFolder folder;
    std::filesystem::create_directory(folder / "dossier");
    writeFile(folder / "dossier" / "liste.tvl4", bytesOf("old\r\n"));
    const QString target = qpath(folder / c.target);
    const std::string name = c.name;
    if (name == "read-only file")
        QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (name == "protected folder")
        QFile::setPermissions(qpath(folder / "dossier"), QFile::ReadOwner | QFile::ExeOwner);

    EXPECT_FALSE(writeObstacle(target).isEmpty());
    const TextWrite result = writeTextLines(target, {"new"});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error,
              "Impossible d'enregistrer le fichier '" + target + "' : " + c.reason + ".");
    EXPECT_EQ(readFile(folder / "dossier" / "liste.tvl4"), bytesOf("old\r\n"));
    QFile::setPermissions(qpath(folder / "dossier"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(entriesOf(folder / "dossier"), QStringList{"liste.tvl4"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedWrite,
    testing::Values(FailureCase{"missing folder", "absent/liste.tvl4", "le dossier n'existe pas", false},
                    FailureCase{"folder as name", "dossier", "ce nom est celui d'un dossier", false},
                    FailureCase{"read-only file", "dossier/liste.tvl4", "il est en lecture seule", false},
                    FailureCase{"protected folder", "dossier/liste.tvl4",
                                "le dossier est protégé en écriture", true}),
    [](const testing::TestParamInfo<FailureCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// A file size limit makes the write itself fail, as a full disk would, even for root.
TEST(AnsiText, AWriteThatFailsMidwayKeepsTheOldFile)
{
    TempFolder folder;
    const QString path = qpath(folder / "liste.tvl4");
    writeFile(folder / "liste.tvl4", bytesOf("old\r\n"));
    const QStringList lines(100, QString(1000, u'x'));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const TextWrite result = writeTextLines(path, lines);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.error, "Impossible d'enregistrer le fichier '" + path + "' : l'écriture a échoué.");
    EXPECT_EQ(readFile(folder / "liste.tvl4"), bytesOf("old\r\n"));
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"liste.tvl4"});
}

// Small files stay in a write buffer until the end: a full disk must still be noticed there.
TEST(AnsiText, AFullDiskKeepsTheOldFileAndSaysSo)
{
    TempFolder folder;
    tulvane::test::PetitDisque disk(folder.path(), 64 * 1024);
    if (!disk.monte())
        GTEST_SKIP() << disk.raison();
    const QString path = qpath(folder / "liste.tvl4");
    writeFile(folder / "liste.tvl4", bytesOf("old\r\n"));
    disk.remplir();

    const TextWrite result = writeTextLines(path, {"new"});
    EXPECT_EQ(result.error, "Impossible d'enregistrer le fichier '" + path + "' : le disque est plein.");
    EXPECT_EQ(readFile(folder / "liste.tvl4"), bytesOf("old\r\n"));
    EXPECT_EQ(entriesOf(folder.path()), (QStringList{"liste.tvl4", "remplissage"}));
}

// The file and its folder look protected too; the user must be told it is the disk.
TEST(AnsiText, AReadOnlyDiskIsNamedAsTheCause)
{
    TempFolder folder;
    tulvane::test::PetitDisque disk(folder.path(), 64 * 1024);
    if (!disk.monte())
        GTEST_SKIP() << disk.raison();
    writeFile(folder / "liste.tvl4", bytesOf("old\r\n"));
    disk.mettreEnLectureSeule();

    for (const char* name : {"liste.tvl4", "nouvelle.tvl4"}) {
        const QString path = qpath(folder / name);
        EXPECT_EQ(writeTextLines(path, {"new"}).error,
                  "Impossible d'enregistrer le fichier '" + path + "' : le disque est en lecture seule.");
    }
    EXPECT_EQ(readFile(folder / "liste.tvl4"), bytesOf("old\r\n"));
    EXPECT_EQ(entriesOf(folder.path()), QStringList{"liste.tvl4"});
}

// The temporary file beside it must fit the limit on names too.
TEST(AnsiText, ANameAsLongAsTheSystemAllowsIsWritten)
{
    TempFolder folder;
    const std::string name = std::string(251, 'x') + ".csv";
    const TextWrite result = writeTextLines(qpath(folder / name), {"new"});
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(readFile(folder / name), bytesOf("new\r\n"));
    EXPECT_EQ(entriesOf(folder.path()), QStringList{QString::fromStdString(name)});
}

TEST(AnsiText, ALinkKeepsPointingAtTheFileItNames)
{
    TempFolder folder;
    writeFile(folder / "vraie.tvl4", bytesOf("old\r\n"));
    std::filesystem::create_symlink("vraie.tvl4", folder / "lien.tvl4");
    ASSERT_TRUE(writeTextLines(qpath(folder / "lien.tvl4"), {"new"}).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "lien.tvl4"));
    EXPECT_EQ(readFile(folder / "vraie.tvl4"), bytesOf("new\r\n"));
}

// A named pipe without a writer or an endless device is refused at once, never waited on.
TEST(AnsiText, OnlyRegularFilesAreRead)
{
    TempFolder folder;
    const auto fifo = folder / "Colonnes.dat";
    tulvane::test::creerFifo(fifo);
    for (const std::filesystem::path& path : {fifo, std::filesystem::path("/dev/zero")}) {
        TextRead read;
        EXPECT_TRUE(tulvane::test::revientSansAttendre(fifo, [&] { read = readTextLines(qpath(path)); }));
        EXPECT_EQ(read.error, "Impossible de lire le fichier '" + qpath(path) + "'.");
        EXPECT_TRUE(read.lines.isEmpty());
    }
}

TEST(AnsiText, AWritableTargetHasNoObstacle)
{
    TempFolder folder;
    writeFile(folder / "liste.tvl4", bytesOf("old\r\n"));
    EXPECT_EQ(writeObstacle(qpath(folder / "liste.tvl4")), "");
    EXPECT_EQ(writeObstacle(qpath(folder / "nouvelle.tvl4")), "");
}
