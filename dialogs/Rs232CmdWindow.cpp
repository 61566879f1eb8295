#include "dialogs/Rs232CmdWindow.h"

#include <QPainter>


namespace {

// A text of the English and of the Chinese window.
struct Twin {
  const char* english;
  const char* chinese;
  QString Get(bool chinese) const { return QString::fromUtf8(chinese ? this->chinese : english); }
};

constexpr Twin kTypes[34] = {
    {"Load Preset Matrix", "调用预设矩阵"},       {"Gain Control", "增益控制"},
    {"Mute Control", "静音控制"},                 {"Load Preset Control", "调用预设控制"},
    {"Input Volume Control", "输入音量控制"},     {"Output Volume Control", "输出音量控制"},
    {"Sub Volume Control", "编组音量控制"},       {"Sub Gain Control", "编组增益控制"},
    {"Get Now Gain", "读取增益码值"},             {"Get Mute", "读取静音码值"},
    {"Get Now Preset", "读取预设码值"},           {"Get Now Sub Parameter", "读取编组码值"},
    {"Sub Mute Control", "编组静音控制"},         {"Get Now Level ", "读取电平值"},
    {"Matrix Control", "矩阵控制"},               {"Get Matrix", "读取矩阵码值"},
    {"Aux Gain Control", "辅助增益控制"},         {"Aux Mute Control", "辅助静音控制"},
    {"Aux Volume Control", "辅助音量控制"},       {"Volume Step Control", "音量增减控制"},
    {"Aux On Off Control", "辅助开关控制"},       {"Aux Ch Select Control", "辅助输入选择控制"},
    {"In FBQ Control", "輸入反馈抑制"},           {"Get Aux Now Gain", "读取辅助增益码值"},
    {"Get Aux Mute", "读取辅助静音码值"},         {"Get Aux On Off", "读取辅助开关码值"},
    {"Get Aux Ch Select", "读取辅助输入选择码值"}, {"Get In FBQ", "读取輸入反馈抑制码值"},
    {"Get Full Matrix", "读取全矩阵码值"},        {"Get Group Parameter", "读取群组参数"},
    {"Group Voume Control", "群组音量控制"},      {"Group Gain Control", "群组增益控制"},
    {"Group Mute Control", "群组静音控制"},       {"Group Matrix Control", "群组输入选择控制"},
};

QStringList Numbered(const QString& prefix, int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << prefix + QString::number(i);
  return items;
}

QStringList Twins(std::initializer_list<Twin> twins, bool chinese) {
  QStringList items;
  for (const Twin& t : twins) items << t.Get(chinese);
  return items;
}

// Entry i of the level list: -60.0 dB in 0.5 dB steps to -20.0 dB (entry 80),
// then 0.1 dB steps to +12.0 dB (entry 400).
QString LevelText(int i) {
  const int tenths = i <= 80 ? -600 + 5 * i : -200 + (i - 80);
  const int magnitude = tenths < 0 ? -tenths : tenths;
  const QString number = QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
  if (tenths >= 0) return "+" + number + "dB";
  if (tenths <= -100) return "-" + number + "dB";
  return "- " + number + "dB";
}

QImage Background(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(200, 200, 200));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF r = QRectF(image.rect()).adjusted(4, 4, -4, -4);
  p.setPen(QPen(QColor(255, 255, 255), 2));
  p.setBrush(QColor(224, 224, 224));
  p.drawRoundedRect(r, 12, 12);
  p.setPen(QPen(QColor(140, 140, 140), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 10, 10);
  return image;
}

}  // namespace

TRs232CmdWindow::TRs232CmdWindow(bool chinese) {
  setWindowTitle(chinese ? QString::fromUtf8("232通讯协议代码") : QStringLiteral("RS232 Remote Control Code"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(392, 405);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(16);
  setFont(font);
  QPalette plain = palette();
  plain.setColor(QPalette::Window, QColor(216, 216, 216));
  plain.setColor(QPalette::WindowText, Qt::black);
  setPalette(plain);

  imLinkSelIn = Create<QLabel>(this, "imLinkSelIn");
  imLinkSelIn->setGeometry(rect());
  imLinkSelIn->setScaledContents(true);
  imLinkSelIn->setPixmap(QPixmap::fromImage(Background(size())));

  auto group = [this](const char* name, const QRect& r, const QString& caption) {
    auto* g = Create<QGroupBox>(this, QString::fromLatin1(name));
    g->setGeometry(r);
    g->setTitle(caption);
    g->setAutoFillBackground(true);
    return g;
  };
  auto caption = [](QWidget* parent, const QRect& r, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
  };
  auto list = [this](QWidget* parent, const char* name, const QRect& r, const QStringList& items, bool grey = false) {
    auto* box = Create<QComboBox>(parent, QString::fromLatin1(name));
    box->setGeometry(r);
    box->addItems(items);
    if (box->count() > 0) box->setCurrentIndex(0);
    if (grey) box->setEnabled(false);
    return box;
  };

  gbCommand = group("gbCommand", QRect(20, 18, 352, 100), chinese ? QString::fromUtf8(" 命令 ") : " Command ");
  caption(gbCommand, QRect(14, 28, 90, 24), chinese ? QString::fromUtf8("类别  : ") : "Type  : ");
  QStringList types;
  for (const Twin& t : kTypes) types << t.Get(chinese);
  cbType = list(gbCommand, "cbType", QRect(104, 28, 232, 26), types);
  caption(gbCommand, QRect(14, 62, 90, 24), chinese ? QString::fromUtf8("位址  : ") : "   ID  : ");
  cbId = list(gbCommand, "cbId", QRect(104, 62, 232, 26), Numbered(QString(), 1, 250));

  gbParameter = group("gbParameter", QRect(20, 128, 352, 140), chinese ? QString::fromUtf8(" 参数 ") : " Parameters ");
  const QRect row[3] = {QRect(104, 28, 232, 26), QRect(104, 64, 232, 26), QRect(104, 100, 232, 26)};
  for (int i = 0; i < 3; ++i)
    caption(gbParameter, QRect(14, row[i].y(), 90, 24),
            (chinese ? QString::fromUtf8("数值%1 : ") : QStringLiteral("Value%1 : ")).arg(i + 1));

  const QStringList inputs = chinese ? Numbered(QString::fromUtf8("输入通道"), 1, 8) : Numbered("Input", 1, 8);
  const QStringList outputs = chinese ? Numbered(QString::fromUtf8("输出通道"), 1, 8) : Numbered("Output", 1, 8);
  const Twin aux{"Aux", "辅助"}, camera{"Camera", "摄像跟踪"}, automix{"AutoMix", "自动混音"};
  const QStringList incDec = Twins({{"Increase", "递增"}, {"Decrease", "递減"}}, chinese);
  const QStringList mute = Twins({{"UnMute", "静音取消"}, {"Mute", "静音设置"}}, chinese);

  // Each row's lists in creation order; the last one created lies in front,
  // which gives the first type's rows.
  QStringList groups = chinese ? Numbered(QString::fromUtf8("输入群组"), 1, 4) : Numbered("Group Input", 1, 4);
  groups << (chinese ? Numbered(QString::fromUtf8("输出群组"), 1, 4) : Numbered("Group Output", 1, 4));
  list(gbParameter, "cb1NullSel", row[0], {}, true);
  list(gbParameter, "cb1InOutSel", row[0], Twins({{"Input", "输入"}, {"Output", "输出"}}, chinese));
  list(gbParameter, "cb1InOutAuxSel", row[0], Twins({{"Input", "输入"}, {"Output", "输出"}, aux}, chinese));
  list(gbParameter, "cb1InChannelSel", row[0], inputs);
  list(gbParameter, "cb1OutChannelSel", row[0], outputs);
  list(gbParameter, "cb1GroupSel", row[0], groups);
  list(gbParameter, "cb1AuxEffSel", row[0], {aux.Get(chinese)}, true);
  list(gbParameter, "cb1Show02lSel", row[0], {QStringLiteral("02")}, true);
  list(gbParameter, "cb1AuxCameraMixEffSel", row[0], Twins({aux, camera, automix}, chinese));
  list(gbParameter, "cb1FactoryUserSel", row[0], Twins({{"Factory", "出厂预设"}, {"User", "使用者预设"}}, chinese));

  QStringList levels;
  for (int i = 0; i <= 400; ++i) levels << LevelText(i);
  list(gbParameter, "cb2NullSel", row[1], {}, true);
  list(gbParameter, "cb2PresetSel", row[1], Numbered("U0", 1, 9) + Numbered("U", 10, 21));
  list(gbParameter, "cb2InChSel", row[1], inputs);
  list(gbParameter, "cb2OutChSel", row[1], outputs);
  list(gbParameter, "cb2InChMatrixSel", row[1], inputs + QStringList{aux.Get(chinese)});
  list(gbParameter, "cb2Volume", row[1], levels);
  list(gbParameter, "cb2Gain", row[1], Numbered(QString(), 0, 100));
  list(gbParameter, "cb2IncDecSel", row[1], incDec);
  list(gbParameter, "cb2MuteSel", row[1], mute);
  list(gbParameter, "cb2CameraMixEff",
       row[1], Twins({{"Effect", "效果"}, camera, automix, {"AEC", "回声消除"}, {"NR", "降噪"}}, chinese));
  list(gbParameter, "cb2AuxCameraMixEffSel", row[1], Twins({aux, camera, automix}, chinese));
  list(gbParameter, "cb2F00Sel", row[1], {QStringLiteral("F00")}, true);

  list(gbParameter, "cb3IncDecSel", row[2], incDec);
  list(gbParameter, "cb3MuteSel", row[2], mute);
  list(gbParameter, "cb3OnOffSel", row[2], Twins({{"Off", "关"}, {"On", "开"}}, chinese));
  list(gbParameter, "cb3LevelSel", row[2],
       chinese ? QStringList{QString::fromUtf8("關"), QString::fromUtf8("1 檔"), QString::fromUtf8("2 檔"),
                             QString::fromUtf8("3 檔"), QString::fromUtf8("4 檔")}
               : QStringList{"Off", "Level1", "Level2", "Level3", "Level4"});
  list(gbParameter, "cb3NullSel", row[2], {}, true);

  gbMatrix = Create<QGroupBox>(gbParameter, "gbMatrix");
  gbMatrix->setGeometry(row[1].x(), row[1].y() - 4, row[1].width(), row[2].bottom() - row[1].y() + 8);
  gbMatrix->setAutoFillBackground(true);
  for (int i = 0; i < 8; ++i) {
    ckb2In[i] = Create<QCheckBox>(gbMatrix, QStringLiteral("ckb2In%1").arg(i + 1));
    ckb2In[i]->setGeometry(8 + (i % 4) * 56, 6 + (i / 4) * 32, 54, 24);
    ckb2In[i]->setText(QStringLiteral("In%1").arg(i + 1));
    platform::SetTag(ckb2In[i], i);
  }
  gbMatrix->setVisible(false);

  lbRemoteCtrl = Create<QLabel>(this, "lbRemoteCtrl");
  lbRemoteCtrl->setGeometry(20, 290, 352, 24);
  lbRemoteCtrl->setAlignment(Qt::AlignCenter);
  lbRemoteCtrl->setText(chinese ? QString::fromUtf8("通讯代码") : QStringLiteral("Remote Control Code"));
  edRemoteCtrl = Create<QLineEdit>(this, "edRemoteCtrl");
  edRemoteCtrl->setGeometry(40, 320, 312, 34);
  edRemoteCtrl->setReadOnly(true);
  edRemoteCtrl->setFocusPolicy(Qt::NoFocus);
  edRemoteCtrl->setAlignment(Qt::AlignCenter);
  QFont code(QStringLiteral("MS Sans Serif"));
  code.setPixelSize(16);
  code.setBold(true);
  code.setCapitalization(QFont::AllUppercase);
  edRemoteCtrl->setFont(code);
  QPalette codePalette = edRemoteCtrl->palette();
  codePalette.setColor(QPalette::Base, QColor(223, 255, 255));
  codePalette.setColor(QPalette::Text, QColor(255, 0, 0));
  edRemoteCtrl->setPalette(codePalette);
  edRemoteCtrl->setText(QStringLiteral("7B7D01400000007D7B"));
}
