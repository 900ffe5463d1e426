// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a recipe file's bytes into records of 51 texts.
#include "recipefile.h"

#include "cp1252.h"
#include "usertext.h"

#include <QCoreApplication>

#include <QStringDecoder>

namespace recipefile {
namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
constexpr int kEggBoxNumber = 37; // the one field written bare

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// "il campo 42 (le note)", "il campo 14".
QString fieldLabel(int number)
{
    // The free texts are named too: they are where a hand-edited quote goes wrong.
    const QString label = QStringLiteral("il campo %1").arg(number);
    const bool freeText = number == 12 || number == 13 || number == 41 || number == 42;
    return freeText ? label + QStringLiteral(" (%1)").arg(describeField(number - 1)) : label;
}

QString unsureQuote(int number)
{
    return QStringLiteral("%1 ha una virgoletta (\") che non si sa se chiude il testo: toglierla con un "
                          "editor di testo")
        .arg(fieldLabel(number));
}

// Reads the records one field at a time and says, when the bytes are no recipe records,
// which field made them none.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes), m_end(bytes.size())
    {
        // A byte-order mark says UTF-8; Vornak's own files start with a quote.
        m_utf8 = bytes.startsWith(kUtf8Mark);
        if (m_utf8)
            m_pos = kUtf8Mark.size();
    }

    std::optional<QList<QStringList>> read(QString *problem)
    {
        if (isUtf16())
            return refuse(problem, utf16());
        while (true) {
            skipBlanks();
            if (m_pos >= m_end) {
                if (!m_current.isEmpty())
                    return refuse(problem, m_lineGoesOn.value_or(blamedQuote().value_or(cutShort())));
                return m_records;
            }
            if (const QString why = notARecordStart(); !why.isEmpty())
                return refuse(problem, why);
            const int number = int(m_current.size()) + 1;
            QByteArray value;
            QString why;
            if (m_bytes[m_pos] == '"' ? !quoted(number, value, why) : !bare(number, value, why))
                return refuse(problem, why);
            const bool commaAfter = m_pos < m_end && m_bytes[m_pos] == ',';
            stepPastSeparator();
            const auto text = decodeText(value);
            if (!text)
                return refuse(problem,
                              QStringLiteral("%1 non è in UTF-8, come il BOM all'inizio del file dice")
                                  .arg(fieldLabel(number)));
            m_current << *text;
            if (m_current.size() < kFieldCount)
                continue;
            // The record's last field ends its line: a comma after it means a field too many
            // somewhere before, or a second record on the same line.
            if (commaAfter && !m_lineGoesOn)
                m_lineGoesOn = lineGoesOn();
            m_records << m_current;
            m_current.clear();
            m_holdingQuote.reset();
            m_lineEndSuspect.reset();
        }
    }

private:
    static std::optional<QList<QStringList>> refuse(QString *problem, const QString &why)
    {
        if (problem)
            *problem = why;
        return std::nullopt;
    }

    // A record the file ends in the middle of: too few fields, or, after a whole record,
    // fields too many (a comma in field 37, the one number written without quotes).
    QString cutShort() const
    {
        const qsizetype count = m_current.size();
        const QString fields = count == 1 ? QStringLiteral("1 campo") : QStringLiteral("%1 campi").arg(count);
        if (m_records.isEmpty())
            return QStringLiteral("la ricetta finisce dopo %1 invece di %2").arg(fields).arg(kFieldCount);
        return QStringLiteral("dopo i %1 campi della ricetta ne resta%2 %3: una virgola di troppo, forse nel "
                              "campo %4, l'unico senza virgolette")
            .arg(kFieldCount)
            .arg(count == 1 ? QString() : QStringLiteral("no"))
            .arg(fields)
            .arg(kEggBoxNumber);
    }

    void stepPastSeparator()
    {
        if (m_pos >= m_end)
            return;
        if (m_bytes[m_pos] == '\r' && m_pos + 1 < m_end && m_bytes[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
    }

    // A text editor's "Unicode": UTF-16, with its mark or with a zero byte beside every
    // character of the opening quote.
    bool isUtf16() const
    {
        return m_bytes.startsWith("\xFF\xFE") || m_bytes.startsWith("\xFE\xFF") ||
               m_bytes.startsWith(QByteArray("\"\0", 2)) || m_bytes.startsWith(QByteArray("\0\"", 2));
    }

    static QString utf16()
    {
        return QCoreApplication::translate(
            "recipefile", "il file è in UTF-16 (il formato «Unicode» di un editor di testo): "
                          "salvarlo di nuovo come «ANSI» o «UTF-8»");
    }

    int lineAt(qsizetype pos) const { return int(m_bytes.left(pos).count('\n')) + 1; }

    // Every record starts with a quoted field 1: anything else after a whole record is no
    // recipe (a stray byte, the rest of another file).
    QString notARecordStart() const
    {
        if (!m_current.isEmpty() || m_records.isEmpty() || m_bytes[m_pos] == '"')
            return QString();
        const QString rest = cp1252::decode(m_bytes.mid(m_pos, 20));
        return QCoreApplication::translate(
                   "recipefile", "dopo la ricetta il file continua alla riga %1 con «%2», che non è "
                                 "l'inizio di un'altra ricetta")
            .arg(lineAt(m_pos))
            .arg(usertext::printableLine(rest));
    }

    // Why a record's 51st field is followed by a comma, when a quote can tell.
    std::optional<QString> lineGoesOn() const
    {
        if (m_holdingQuote && *m_holdingQuote < kFieldCount)
            return unsureQuote(*m_holdingQuote);
        if (m_holdingQuote) // a quote right after the last field's closing one
            return QCoreApplication::translate("recipefile",
                                               "il campo %1 è seguito da un'altra ricetta sulla stessa riga: "
                                               "manca l'a capo tra le due")
                .arg(kFieldCount);
        return blamedQuote();
    }

    void skipBlanks()
    {
        // Between records, blank lines and blanks are nothing.
        while (m_pos < m_end &&
               (isBlank(m_bytes[m_pos]) || (m_current.isEmpty() && isLineEnd(m_bytes[m_pos]))))
            ++m_pos;
    }

    // A quoted text ends at the first quote followed, after blanks, by a comma, a line
    // end or the end of the file; any other quote belongs to the text, so a hand-edited
    // note such as "Bollire "bene" poi asciugare" keeps every word.
    bool quoted(int number, QByteArray &value, QString &why)
    {
        qsizetype close = m_pos;
        qsizetype after = 0;
        bool textAfterQuote = false; // a quote followed by more than a separator
        while (true) {
            close = m_bytes.indexOf('"', close + 1);
            if (close < 0) {
                why = blamedQuote().value_or(
                    textAfterQuote
                        ? QStringLiteral(
                              "%1 non ha una virgoletta di chiusura seguita da una virgola o dalla "
                              "fine della riga")
                              .arg(fieldLabel(number))
                        : QStringLiteral("%1 apre le virgolette e non le chiude").arg(fieldLabel(number)));
                return false;
            }
            textAfterQuote = true;
            after = close + 1;
            while (after < m_end && isBlank(m_bytes[after]))
                ++after;
            if (after >= m_end || m_bytes[after] == ',' || isLineEnd(m_bytes[after]))
                break;
        }
        value = m_bytes.mid(m_pos + 1, close - m_pos - 1);
        if (value.contains('"') && !m_holdingQuote)
            m_holdingQuote = number;
        m_closedAtLineEnd = after < m_end && isLineEnd(m_bytes[after]) && number < kFieldCount;
        m_pos = after;
        return true;
    }

    bool bare(int number, QByteArray &value, QString &why)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_end && m_bytes[m_pos] != ',' && !isLineEnd(m_bytes[m_pos]))
            ++m_pos;
        value = m_bytes.mid(start, m_pos - start).trimmed();
        // Only the record's last field ends at a line end in the files Vornak writes, and
        // only field 37 is bare: a text closed at a line end and going on bare on the next
        // line is most likely a note whose quote ended it too soon.
        if (m_closedAtLineEnd && number != kEggBoxNumber && !m_lineEndSuspect)
            m_lineEndSuspect = number - 1;
        m_closedAtLineEnd = false;
        if (!value.contains('"')) // a quote belongs around a text, never inside a bare field
            return true;
        why = blamedQuote().value_or(
            QStringLiteral("%1 ha una virgoletta fuori da un testo tra virgolette").arg(fieldLabel(number)));
        return false;
    }

    // The field of this record whose quotes may have been read wrongly, when the record
    // cannot be read to its end.
    std::optional<QString> blamedQuote() const
    {
        if (m_holdingQuote)
            return unsureQuote(*m_holdingQuote);
        if (m_lineEndSuspect)
            return unsureQuote(*m_lineEndSuspect);
        return std::nullopt;
    }

    std::optional<QString> decodeText(const QByteArray &value) const
    {
        if (!m_utf8)
            return cp1252::decode(value);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(value);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }

    const QByteArray &m_bytes;
    const qsizetype m_end;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
    QList<QStringList> m_records;
    QStringList m_current;
    std::optional<int> m_holdingQuote;   // the first field of this record whose text holds a quote
    std::optional<int> m_lineEndSuspect; // the first text of this record closed at a line end, then bare
    std::optional<QString> m_lineGoesOn; // why a record went on past its 51st field, if a quote tells
    bool m_closedAtLineEnd = false;      // the last field was a text closed at a line end
};

} // namespace

std::optional<QList<QStringList>> decode(const QByteArray &bytes, QString *problem)
{
    return Reader(bytes).read(problem);
}

} // namespace recipefile
