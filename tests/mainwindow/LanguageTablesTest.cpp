#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "mainwindow/LanguageTables.h"

namespace {

// The keys of a table: every line after a comment or a text line that starts
// with "SID_" and is followed by its text.
QSet<QString> Keys(const QStringList& table) {
  QSet<QString> keys;
  for (int i = 0; i + 1 < table.size(); ++i)
    if (table[i].startsWith("SID_")) keys.insert(table[i++]);
  return keys;
}

}  // namespace

TEST(LanguageTables, BothHoldTheSame197KeysInTheirShape) {
  for (const QStringList* table : {&EnglishTable(), &SimplifiedTable()}) {
    EXPECT_EQ(table->front(), "//---------------------- Menu ------------------------");
    EXPECT_EQ(table->back(), "");
    EXPECT_EQ(Keys(*table).size(), 197);
  }
  EXPECT_EQ(Keys(EnglishTable()), Keys(SimplifiedTable()));
}

TEST(LanguageTables, TellingRowsOfTheChineseTable) {
  const std::pair<const char*, const char*> rows[] = {
      {"SID_EXIT", "取消"},           {"SID_FILE_EXIT", "退出"},
      {"SID_ONLINE", "已连机"},       {"SID_OFFLINE", "未连机"},
      {"SID_MEMORIZE", "即時存儲"},   {"SID_FORGET", "不即時存儲"},
      {"SID_START_SCAN", "重新搜索"}, {"SID_NO_DEVICE", "未发现USB硬件，确认进入演示模式。"},
      {"SID_LINK_BROKEN", "软件已断开连机"}, {"SID_UNLOCK_TITLE", "操作锁设定"},
      {"SID_INFO_CON_FIRST", "请先连接机台 !!"}, {"SID_INFO_ERROR_FILE", "开启档案错误 !!"},
      {"SID_INFO_ERROR_UNIT", "机台型号不符 !!"}, {"SID_INFO_ERROR_VERSION", "硬件版本不符 !!"},
      {"SID_INFO_ERROR_DOWNLAOD", "下载档案不符 !!"}, {"SID_LANGUAGE", "Language"},
      {"SID_CHINESE_SIMPLIFIED", "中文"}, {"SID_ENGLISH", "English"},
  };
  for (auto [key, text] : rows) EXPECT_EQ(LookupSid(SimplifiedTable(), key), QString::fromUtf8(text)) << key;
  EXPECT_EQ(LookupSid(EnglishTable(), "SID_EFF_EQ_TITLE"),
            "  PEQ      Frequency            Q                Gain             Type             Bypass");
}

TEST(LanguageTables, EveryKeyTheCodeUsesIsInBothTables) {
  const QString root = QStringLiteral(DSP_SOURCE_DIR);
  const QRegularExpression key(QStringLiteral("\"(SID_[A-Z0-9_]+)\""));
  const QSet<QString> known = Keys(EnglishTable());
  int used = 0;
  for (const char* folder : {"mainwindow", "dialogs", "link", "model", "display", "controls"}) {
    QDirIterator it(root + "/" + folder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      if (path.endsWith("LanguageTables.cpp")) continue;
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
      const QString text = QString::fromUtf8(file.readAll());
      for (auto m = key.globalMatch(text); m.hasNext();) {
        const QString k = m.next().captured(1);
        if (k.endsWith('_')) continue;  // a prefix composed with a number
        ++used;
        EXPECT_TRUE(known.contains(k)) << k.toStdString() << " in " << path.toStdString();
      }
    }
  }
  EXPECT_GT(used, 50);
}
