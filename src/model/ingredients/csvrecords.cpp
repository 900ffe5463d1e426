// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvrecords.h"

#include "cp1252.h"
#include "numbers.h"

#include <QStringDecoder>

namespace csvrecords {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool beginsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Whether the text begins with the apostrophe guarded() puts in front: apostrophes, then
// what begins a formula.
bool hasGuard(const QString &text)
{
    qsizetype k = 0;
    while (k < text.size() && text[k] == u'\'')
        ++k;
    return k > 0 && k < text.size() && beginsFormula(text[k]);
}

QString unguarded(const QString &text)
{
    return hasGuard(text) ? text.mid(1) : text;
}

// Reads cells and records, counting lines as it goes.
class Splitter
{
public:
    explicit Splitter(const QString &text) : m_text(text) {}

    QList<Record> run()
    {
        QList<Record> records;
        while (m_pos < m_text.size())
            records << record();
        return records;
    }

private:
    QChar at(qsizetype k) const { return k < m_text.size() ? m_text[k] : QChar(); }

    // Past a line end (CR LF, CR or LF), one line further on.
    void skipLineEnd()
    {
        if (at(m_pos) == u'\r' && at(m_pos + 1) == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    Record record()
    {
        Record out;
        out.line = m_line;
        while (true) {
            Cell cell{QString(), m_line};
            const qsizetype start = m_pos;
            while (isBlank(at(m_pos)))
                ++m_pos;
            if (at(m_pos) != u'"') {
                m_pos = start; // blanks before a bare cell are its own
                cell.text = bare();
            } else if (!quoted(cell.text) && !out.brokenLine) {
                out.brokenLine = cell.line;
            }
            cell.text = unguarded(cell.text);
            out.cells << cell;
            if (out.brokenLine)
                skipRestOfLine();
            if (m_pos >= m_text.size())
                return out;
            if (isLineEnd(at(m_pos))) {
                skipLineEnd();
                return out;
            }
            ++m_pos; // past the ";"
        }
    }

    QString bare()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && at(m_pos) != u';' && !isLineEnd(at(m_pos)))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    // A quoted cell; false when it is not closed or more than blanks follows it.
    bool quoted(QString &text)
    {
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const QChar c = at(m_pos);
            if (c == u'"' && at(m_pos + 1) == u'"') {
                text += c;
                ++m_pos;
            } else if (c == u'"') {
                ++m_pos;
                while (isBlank(at(m_pos)))
                    ++m_pos;
                return m_pos >= m_text.size() || at(m_pos) == u';' || isLineEnd(at(m_pos));
            } else if (isLineEnd(c)) {
                text += u'\n';
                skipLineEnd();
                --m_pos; // the loop steps on
            } else {
                text += c;
            }
        }
        return false;
    }

    void skipRestOfLine()
    {
        while (m_pos < m_text.size() && !isLineEnd(at(m_pos)))
            ++m_pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

bool Record::blank() const
{
    for (const Cell &cell : cells)
        for (QChar c : cell.text)
            if (!isBlank(c))
                return false;
    return brokenLine == 0;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    // Vornak writes the mark, so only another program's file is read this way.
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

QList<Record> split(const QString &text)
{
    return Splitter(text).run();
}

QString guarded(const QString &text)
{
    // A text that itself begins like a guard gets one more, so it reads back as it was.
    const bool formula = !text.isEmpty() && beginsFormula(text.front()) && !numbers::isNumber(text);
    return formula || hasGuard(text) ? u'\'' + text : text;
}

QByteArray field(const QString &text)
{
    const QString cell = guarded(text);
    const bool quoted = cell.contains(u';') || cell.contains(u'"') || cell.contains(u'\n') ||
                        cell.contains(u'\r') ||
                        (!cell.isEmpty() && (isBlank(cell.front()) || isBlank(cell.back())));
    if (!quoted)
        return cell.toUtf8();
    QString escaped = cell;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return '"' + escaped.toUtf8() + '"';
}

QByteArray line(const QStringList &fields)
{
    QByteArray bytes;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0)
            bytes += ';';
        bytes += field(fields[k]);
    }
    return bytes + "\r\n";
}

} // namespace csvrecords
