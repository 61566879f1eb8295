#include "dialogs/Rs232CmdWindow.h"

#include <QPainter>
#include <QSignalBlocker>

#include "platform/Canvas.h"

using namespace remotecode;

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList ItemTexts(remotecode::List list, bool chinese) {
  QStringList items;
  for (const std::string& item : Items(list, chinese)) items << QString::fromStdString(item);
  return items;
}

// The background: a light-grey panel with a rounded, bevelled border.
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

QFont Font(const char* face, bool bold = false) {
  platform::TFont look;
  look.Name = QString::fromLatin1(face);
  look.Height = -16;
  look.Style = bold ? platform::TFontStyles(platform::fsBold) : platform::TFontStyles(0);
  return platform::ToQFont(look);
}

}  // namespace

TRs232CmdWindow::TRs232CmdWindow(bool chinese) {
  const Captions& captions = WindowCaptions(chinese);
  setWindowTitle(Text(captions.window));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(392, 405);
  setFont(Font("Times New Roman"));
  QPalette plain = palette();
  plain.setColor(QPalette::Window, QColor(216, 216, 216));
  plain.setColor(QPalette::WindowText, Qt::black);
  setPalette(plain);

  imLinkSelIn = Create<QLabel>(this, "imLinkSelIn");
  imLinkSelIn->setGeometry(rect());
  imLinkSelIn->setScaledContents(true);
  imLinkSelIn->setPixmap(QPixmap::fromImage(Background(size())));

  auto group = [this](const char* name, const QRect& r, const char* caption) {
    auto* g = Create<QGroupBox>(this, QString::fromLatin1(name));
    g->setGeometry(r);
    g->setTitle(Text(caption));
    g->setAutoFillBackground(true);
    return g;
  };
  auto caption = [](QWidget* parent, const QRect& r, const char* text) {
    auto* l = new QLabel(Text(text), parent);
    l->setGeometry(r);
    l->setFont(Font("MS Sans Serif"));
  };
  const QRect row[3] = {QRect(104, 28, 232, 26), QRect(104, 64, 232, 26), QRect(104, 100, 232, 26)};
  auto list = [&](QWidget* parent, remotecode::List id, const QRect& r) {
    auto* box = Create<QComboBox>(parent, QString::fromLatin1(Info(id).name));
    box->setGeometry(r);
    box->addItems(ItemTexts(id, chinese));
    box->setCurrentIndex(model_.Index(id));
    box->setEnabled(!Info(id).grey);
    box->setMaxVisibleItems(16);
    lists_[id] = box;
    connect(box, &QComboBox::activated, this, [this, id](int index) {
      model_.Select(id, index);
      ShowModel();
    });
    return box;
  };

  gbCommand = group("gbCommand", QRect(20, 18, 352, 100), captions.command);
  caption(gbCommand, QRect(14, 28, 90, 24), captions.type);
  cbType = list(gbCommand, remotecode::cbType, QRect(104, 28, 232, 26));
  caption(gbCommand, QRect(14, 62, 90, 24), captions.id);
  cbId = list(gbCommand, remotecode::cbId, QRect(104, 62, 232, 26));

  gbParameter = group("gbParameter", QRect(20, 128, 352, 140), captions.parameter);
  for (int i = 0; i < 3; ++i) caption(gbParameter, QRect(14, row[i].y(), 90, 24), captions.rows[i]);
  for (int id = remotecode::cb1NullSel; id < remotecode::ListCount; ++id)
    list(gbParameter, remotecode::List(id), row[Info(remotecode::List(id)).row - 1]);

  gbMatrix = Create<QGroupBox>(gbParameter, "gbMatrix");
  gbMatrix->setGeometry(row[1].x(), row[1].y() - 4, row[1].width(), row[2].bottom() - row[1].y() + 8);
  gbMatrix->setAutoFillBackground(true);
  for (int i = 0; i < 8; ++i) {
    QCheckBox* box = ckb2In[i] = Create<QCheckBox>(gbMatrix, QStringLiteral("ckb2In%1").arg(i + 1));
    box->setGeometry(8 + (i % 4) * 56, 6 + (i / 4) * 32, 54, 24);
    box->setText(QStringLiteral("In%1").arg(i + 1));
    platform::SetTag(box, i);
    connect(box, &QCheckBox::toggled, this, [this, i](bool checked) {
      model_.SetMatrixBox(i, checked);
      ShowModel();
    });
  }
  model_.OnMatrixBox = [this](int tag, bool checked) {
    const QSignalBlocker quiet(ckb2In[tag]);
    ckb2In[tag]->setChecked(checked);
  };

  lbRemoteCtrl = Create<QLabel>(this, "lbRemoteCtrl");
  lbRemoteCtrl->setGeometry(20, 290, 352, 24);
  lbRemoteCtrl->setAlignment(Qt::AlignCenter);
  lbRemoteCtrl->setText(Text(captions.remoteCtrl));
  edRemoteCtrl = Create<QLineEdit>(this, "edRemoteCtrl");
  edRemoteCtrl->setGeometry(40, 320, 312, 34);
  edRemoteCtrl->setReadOnly(true);
  edRemoteCtrl->setFocusPolicy(Qt::NoFocus);
  edRemoteCtrl->setAlignment(Qt::AlignCenter);
  QFont code = Font("MS Sans Serif", true);
  code.setCapitalization(QFont::AllUppercase);
  edRemoteCtrl->setFont(code);
  QPalette codePalette = edRemoteCtrl->palette();
  codePalette.setColor(QPalette::Base, QColor(223, 255, 255));
  codePalette.setColor(QPalette::Text, QColor(255, 0, 0));
  edRemoteCtrl->setPalette(codePalette);
  edRemoteCtrl->setText(QString::fromLatin1(model_.CodeText.c_str()));
  model_.OnCodeShown = [this](const std::string& text) { edRemoteCtrl->setText(QString::fromStdString(text)); };
  ShowModel();
}

QComboBox* TRs232CmdWindow::RowFront(int row) const {
  if (row > 1 && model_.MatrixVisible()) return nullptr;
  return lists_[model_.RowList(row)];
}

void TRs232CmdWindow::ShowModel() {
  for (int id = 0; id < remotecode::ListCount; ++id) {
    QComboBox* box = lists_[id];
    if (box->currentIndex() != model_.Index(remotecode::List(id))) box->setCurrentIndex(model_.Index(remotecode::List(id)));
  }
  // Only the front list of a row is shown: the stacked ones would show at
  // the rounded corners of the front one.
  for (int id = remotecode::cb1NullSel; id < remotecode::ListCount; ++id) {
    const int row = Info(remotecode::List(id)).row;
    const bool front = model_.RowList(row) == id;
    lists_[id]->setVisible(front);
    if (front) lists_[id]->raise();
  }
  gbMatrix->setVisible(model_.MatrixVisible());
  if (model_.MatrixVisible()) gbMatrix->raise();
}
