// The English and simplified-Chinese text tables and the lookup by "SID_" key.
#pragma once

#include <QString>
#include <QStringList>

const QStringList& EnglishTable();
const QStringList& SimplifiedTable();

// The line after the first line equal to key (letter case ignored); a key no
// line equals gives the table's first line.
QString LookupSid(const QStringList& table, const QString& key);
