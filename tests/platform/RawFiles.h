#pragma once
// Plain byte access for checking what the platform layer wrote, without it.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace tw::test {

inline void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Owner, group and other permission bits, leaving out those that depend on who asks.
inline QFileDevice::Permissions modeBits(const QString& path)
{
    return QFile::permissions(path) & QFileDevice::Permissions(0x7077);
}

} // namespace tw::test
