// SPDX-License-Identifier: GPL-3.0-or-later
// Every file Vornak writes, under every way a write can fail: the earlier file stays
// whole, the user reads which file and why, no half-written file is left beside it,
// and a print job whose PDF was not written whole never reaches the print server.
#include "calculation.h"
#include "converter.h"
#include "fakechooser.h"
#include "ingredientfile.h"
#include "pagerenderer.h"
#include "printerjob.h"
#include "printmessages.h"
#include "recipecommands.h"
#include "recipemessages.h"
#include "recipepage.h"
#include "recordingsink.h"
#include "usertext.h"
#include "worksheet.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cups/cups.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace field;

namespace {

enum class Writer
{
    Recipe,
    RecipePdf,
    ConverterPdf,
    PrintPdf,
    Ingredients
};

enum class Failure
{
    FileSizeLimit,
    FullDisk,
    DevFull,
    Pipe,
    Folder,
    MissingFolder,
    ReadOnlyFile,
    NoPermission
};

const QByteArray kEarlier = "earlier file, kept whole\n";

Worksheet &calculatedSheet(Worksheet &sheet)
{
    sheet.select(componente(1), QStringLiteral("ALBUMINA"));
    sheet.setText(peso(1), QStringLiteral("100"));
    sheet.setText(NomeRicetta, QStringLiteral("Prova"));
    sheet.setText(Note, QStringLiteral("Una nota lunga abbastanza da passare ogni limite. ").repeated(20));
    calculate(sheet);
    return sheet;
}

Page converterPage()
{
    Converter converter;
    converter.setText(Converter::kTotal, QStringLiteral("1000"));
    converter.setText(Converter::name(1), QStringLiteral("Farina"));
    converter.setText(Converter::percent(1), QStringLiteral("100"));
    converter.calculate();
    return converter.page();
}

personal::Library someIngredients()
{
    personal::Library library;
    for (int k = 0; k < 20; ++k)
        library.ingredients << personal::Ingredient{QStringLiteral("Mix %1").arg(k),
                                                    {QStringLiteral("10"), QStringLiteral("5"),
                                                     QStringLiteral("40"), QStringLiteral("3"),
                                                     QStringLiteral("2")},
                                                    QStringLiteral("2,50")};
    return library;
}

// A listening socket that never accepts: whether anyone connected is read afterwards.
class Listener
{
public:
    Listener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), size);
        ::listen(m_fd, 8);
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
    }
    ~Listener() { ::close(m_fd); }
    int port() const { return m_port; }
    bool someoneConnected() const
    {
        const int client = ::accept(m_fd, nullptr, nullptr);
        if (client >= 0)
            ::close(client);
        return client >= 0;
    }

private:
    int m_fd = -1;
    int m_port = 0;
};

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Failure)

class TestWriters : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString mountPoint;

    // Writes with `writer` to `path` (the print job writes into the temporary folder
    // instead, `path`'s folder), and returns what the user is told.
    QString write(Writer writer, const QString &path, bool &sentToServer)
    {
        Worksheet sheet;
        RecordingSink sink;
        sheet.setWarningSink(&sink);
        switch (writer) {
        case Writer::Recipe: {
            FakeChooser chooser;
            chooser.savePath = path;
            recipecommands::save(calculatedSheet(sheet), chooser);
            return sink.texts().value(0);
        }
        case Writer::RecipePdf:
        case Writer::ConverterPdf: {
            const Page page =
                writer == Writer::RecipePdf ? recipepage::build(calculatedSheet(sheet)) : converterPage();
            const QString why = pagerenderer::writePdf(page, path);
            return why.isEmpty() ? QString() : usertext::aboutFile(printerjob::kCannotSavePdf, path, why);
        }
        case Writer::PrintPdf: {
            const Listener server;
            cupsSetServer(QStringLiteral("127.0.0.1:%1").arg(server.port()).toUtf8().constData());
            const QByteArray tmp = qgetenv("TMPDIR");
            qputenv("TMPDIR", QFileInfo(path).absolutePath().toUtf8());
            const printerjob::JobResult result =
                printerjob::printPdf(pagerenderer::pdf(recipepage::build(calculatedSheet(sheet))),
                                     QStringLiteral("Ufficio"), QStringLiteral("Vornak"));
            qputenv("TMPDIR", tmp);
            sentToServer = server.someoneConnected();
            return printerjob::refusalText(result);
        }
        case Writer::Ingredients:
            return ingredientfile::save(someIngredients(), path);
        }
        return QString();
    }

    // Why a row does not apply, or nothing.
    static const char *notApplying(Writer writer, Failure failure)
    {
        if (writer == Writer::PrintPdf && failure == Failure::MissingFolder)
            return "a temporary folder that does not exist is /tmp to Qt";
        if (writer == Writer::PrintPdf && failure != Failure::FileSizeLimit && failure != Failure::FullDisk &&
            failure != Failure::NoPermission)
            return "the print job always writes a new file of its own in the temporary folder";
        if (writer == Writer::Ingredients && failure == Failure::MissingFolder)
            return "the ingredient file's folder is made when missing: the user's data folder may not exist "
                   "yet";
        return nullptr;
    }

    // A small disk of the test's own; root only.
    QString smallDisk()
    {
        if (::geteuid() != 0)
            return QString();
        mountPoint = dir.filePath(QStringLiteral("disco"));
        QDir().mkpath(mountPoint);
        if (QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            return QString();
        return mountPoint;
    }

    // Fills the small disk up, the earlier file already on it.
    void fill()
    {
        QFile filler(mountPoint + QStringLiteral("/riempitivo"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

    struct Target
    {
        QString folder;
        QString path;
        QString reason;
        bool earlierFile = true;
    };

    // Where the row writes, and the reason it expects; an empty folder where the row
    // needs a disk of its own that cannot be had.
    Target targetFor(Failure failure, const QString &reason)
    {
        Target target;
        target.folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u'/', u'_'));
        QDir().mkpath(target.folder);
        target.reason = reason;
        target.earlierFile = failure != Failure::DevFull && failure != Failure::Pipe &&
                             failure != Failure::Folder && failure != Failure::MissingFolder;
        if (failure == Failure::FullDisk)
            target.folder = smallDisk();
        if (failure == Failure::MissingFolder) {
            target.folder += QStringLiteral("/manca");
            target.reason = reason.arg(target.folder);
        }
        target.path = failure == Failure::DevFull ? QStringLiteral("/dev/full")
                                                  : target.folder + QStringLiteral("/uscita");
        return target;
    }

    // Puts the earlier file and the obstacle in place.
    bool prepare(Failure failure, const Target &target)
    {
        const QByteArray path = QFile::encodeName(target.path);
        if (failure == Failure::Pipe && ::mkfifo(path.constData(), 0600) != 0)
            return false;
        if (failure == Failure::Folder && !QDir().mkpath(target.path))
            return false;
        if (target.earlierFile) {
            QFile earlier(target.path);
            if (!earlier.open(QIODevice::WriteOnly) || earlier.write(kEarlier) != kEarlier.size())
                return false;
        }
        if (failure == Failure::FullDisk)
            fill();
        if (failure == Failure::ReadOnlyFile)
            return QFile::setPermissions(target.path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (failure == Failure::NoPermission) // a folder of someone else's, open to all but for writing
            return ::chmod(QFile::encodeName(target.folder).constData(), 0555) == 0 &&
                   ::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0;
        return true;
    }

    // Writes while the failure holds: a file-size limit on this process, or, as root, the
    // file accesses of nobody.
    QString writeUnder(Failure failure, Writer writer, const Target &target, bool &sent)
    {
        if (failure == Failure::FileSizeLimit) {
            // Every file of this process may grow to 16 bytes only, as on a disk that fills up.
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit small{16, limit.rlim_max};
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &small);
            const QString message = write(writer, target.path, sent);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, oldHandler);
            return message;
        }
        if (failure != Failure::NoPermission)
            return write(writer, target.path, sent);
        const bool root = ::geteuid() == 0;
        if (root)
            ::setfsuid(65534);
        const QString message = write(writer, target.path, sent);
        if (root)
            ::setfsuid(0);
        ::chmod(QFile::encodeName(target.folder).constData(), 0755);
        return message;
    }

    // The writer's own first line, the file and the reason.
    static bool messageFits(Writer writer, const QString &message, const Target &target)
    {
        if (!message.contains(target.reason))
            return false;
        if (writer == Writer::Ingredients)
            return message ==
                   usertext::aboutFile(QStringLiteral("Impossibile salvare il file degli ingredienti"),
                                       target.path, target.reason);
        if (writer == Writer::PrintPdf)
            return message.startsWith(printerjob::kCannotSavePdf + QStringLiteral("\nFile «") +
                                      target.folder + QStringLiteral("/vornak-"));
        return message == usertext::aboutFile(writer == Writer::Recipe ? messages::kCannotSave
                                                                       : printerjob::kCannotSavePdf,
                                              target.path, target.reason);
    }

private slots:
    void cleanup()
    {
        if (!mountPoint.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {mountPoint});
        mountPoint.clear();
    }

    void everyWriterUnderEveryFailure_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("reason");
        const std::pair<Writer, const char *> writers[] = {{Writer::Recipe, "recipe"},
                                                           {Writer::RecipePdf, "recipe PDF"},
                                                           {Writer::ConverterPdf, "converter PDF"},
                                                           {Writer::PrintPdf, "print PDF"},
                                                           {Writer::Ingredients, "ingredient file"}};
        const std::tuple<Failure, const char *, QString> failures[] = {
            {Failure::FileSizeLimit, "file-size limit",
             QStringLiteral("il file supera la dimensione consentita")},
            {Failure::FullDisk, "full disk", QStringLiteral("il disco è pieno")},
            {Failure::DevFull, "/dev/full",
             QStringLiteral("non è un file normale (è una pipe o un dispositivo)")},
            {Failure::Pipe, "pipe", QStringLiteral("non è un file normale (è una pipe o un dispositivo)")},
            {Failure::Folder, "folder", QStringLiteral("è una cartella")},
            {Failure::MissingFolder, "missing folder", QStringLiteral("la cartella «%1» non esiste")},
            {Failure::ReadOnlyFile, "read-only file", QStringLiteral("il file è di sola lettura")},
            {Failure::NoPermission, "no permission", QStringLiteral("permesso negato")}};
        for (const auto &[writer, writerName] : writers)
            for (const auto &[failure, failureName, reason] : failures)
                QTest::addRow("%s, %s", writerName, failureName) << writer << failure << reason;
    }

    void everyWriterUnderEveryFailure()
    {
        QFETCH(Writer, writer);
        QFETCH(Failure, failure);
        QFETCH(QString, reason);
        if (const char *why = notApplying(writer, failure))
            QSKIP(why);
        const Target target = targetFor(failure, reason);
        if (target.folder.isEmpty())
            QSKIP("a small disk of the test's own needs root and tmpfs");
        QVERIFY(prepare(failure, target));
        const QStringList before =
            QDir(target.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        bool sent = false;
        const QString message = writeUnder(failure, writer, target, sent);
        QVERIFY2(messageFits(writer, message, target), qPrintable(message));
        QVERIFY2(!sent, "a job whose PDF was not written whole reached the print server");
        if (target.earlierFile) {
            QFile earlier(target.path);
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), kEarlier);
        }
        if (failure != Failure::DevFull) // nothing half-written is left beside the file
            QCOMPARE(QDir(target.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     before);
    }

    // Saving through a symbolic link writes the file it leads to, in that file's own folder,
    // and the link stays a link; a dangling link writes the file it names.
    void linksStayLinks_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<bool>("relative");
        const std::pair<Writer, const char *> writers[] = {{Writer::Recipe, "recipe"},
                                                           {Writer::RecipePdf, "recipe PDF"},
                                                           {Writer::ConverterPdf, "converter PDF"},
                                                           {Writer::Ingredients, "ingredient file"}};
        for (const auto &[writer, name] : writers) {
            QTest::addRow("%s, link to a file", name) << writer << false << false;
            QTest::addRow("%s, relative link to a file", name) << writer << false << true;
            QTest::addRow("%s, dangling link", name) << writer << true << false;
        }
    }

    void linksStayLinks()
    {
        QFETCH(Writer, writer);
        QFETCH(bool, dangling);
        QFETCH(bool, relative);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u'/', u'_');
        const QString linkFolder = dir.filePath(tag + QStringLiteral("/link"));
        const QString realFolder = dir.filePath(tag + QStringLiteral("/vero"));
        QVERIFY(QDir().mkpath(linkFolder) && QDir().mkpath(realFolder));
        const QString real = realFolder + QStringLiteral("/file");
        if (!dangling) {
            QFile earlier(real);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write(kEarlier);
        }
        const QString link = linkFolder + QStringLiteral("/collegamento");
        QVERIFY(QFile::link(relative ? QStringLiteral("../vero/file") : real, link));

        bool sent = false;
        QCOMPARE(write(writer, link, sent), QString());
        QVERIFY2(QFileInfo(link).isSymLink(), "the link was replaced by a file");
        QFile written(real);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes != kEarlier && bytes.size() > 100);
        // Nothing left beside the link or the file.
        QCOMPARE(QDir(linkFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("collegamento")});
        QCOMPARE(QDir(realFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("file")});
    }

    // A group of the user's other than the one new files get, or none: the earlier file is
    // given it, and the replacement must keep it.
    static std::optional<gid_t> otherGroup()
    {
        if (::geteuid() == 0)
            return ::getegid() == 0 ? gid_t(50) : gid_t(0);
        gid_t groups[64];
        const int count = ::getgroups(64, groups);
        for (int k = 0; k < count; ++k)
            if (groups[k] != ::getegid())
                return groups[k];
        return std::nullopt;
    }

    // The same writers succeed where nothing stands in the way, replacing the earlier file
    // and keeping its permissions and group.
    void everyWriterReplacesTheEarlierFile()
    {
        const std::optional<gid_t> group = otherGroup();
        for (Writer writer : {Writer::Recipe, Writer::RecipePdf, Writer::ConverterPdf, Writer::Ingredients}) {
            const QString path = dir.filePath(QStringLiteral("buono-%1").arg(int(writer)));
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write(kEarlier);
            earlier.close();
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
            if (group)
                QVERIFY(::chown(QFile::encodeName(path).constData(), uid_t(-1), *group) == 0);
            bool sent = false;
            QCOMPARE(write(writer, path, sent), QString());
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            const QByteArray bytes = earlier.readAll();
            QVERIFY(bytes != kEarlier && bytes.size() > 100);
            if (writer == Writer::RecipePdf || writer == Writer::ConverterPdf)
                QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
            struct stat replaced;
            QVERIFY(::stat(QFile::encodeName(path).constData(), &replaced) == 0);
            QCOMPARE(replaced.st_mode & 07777, mode_t(0600));
            if (group)
                QCOMPARE(replaced.st_gid, *group);
        }
    }
};

QTEST_MAIN(TestWriters)
#include "tst_writers.moc"
