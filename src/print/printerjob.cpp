#include "printerjob.h"

#include "pagerenderer.h"

#include <QDir>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace printerjob {
namespace {

// The print system's last error; libcups leaves it empty for a few refusals.
QString lastError()
{
    const QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    return reason.isEmpty() ? QStringLiteral("il sistema di stampa non ha accettato il lavoro") : reason;
}

} // namespace

QString defaultPrinter()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return {};
    QString name = QString::fromUtf8(dest->name);
    if (dest->instance)
        name += u'/' + QString::fromUtf8(dest->instance);
    cupsFreeDests(1, dest);
    return name;
}

QString print(const Page &page, const QString &printer, const QString &jobName)
{
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/vornak-XXXXXX.pdf"));
    if (!pdf.open() || !pagerenderer::writePdf(page, pdf.fileName()))
        return QStringLiteral("impossibile preparare il foglio da stampare");

    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return lastError();
    // The destination's saved options (an lpoptions instance, say) go with the job.
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, dest->name, QFile::encodeName(pdf.fileName()).constData(),
                       jobName.toUtf8().constData(), dest->num_options, dest->options);
    const QString reason = job > 0 ? QString() : lastError();
    cupsFreeDests(1, dest);
    return reason;
}

} // namespace printerjob
