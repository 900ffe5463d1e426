// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>

// A device that accepts the first `limit` bytes and then fails, like a disk that fills up.
class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 limit) : m_limit(limit) {}

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_limit - size();
        if (room <= 0) {
            setErrorString(QStringLiteral("device full"));
            return -1;
        }
        return QBuffer::writeData(data, qMin(length, room));
    }

private:
    qint64 m_limit;
};
