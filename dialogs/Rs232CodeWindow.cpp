#include "dialogs/Rs232CodeWindow.h"

#include "mainwindow/FMain.h"

namespace {

// One table picture in document order: its component number and its top and
// height in each edition.
struct PicturePlace {
  int english, chinese;
  int englishTop, englishHeight;
  int chineseTop, chineseHeight;
};

constexpr PicturePlace kPictures[31] = {
    {1, 1, 72, 113, 56, 113},     {29, 29, 209, 81, 192, 81},   {2, 2, 360, 81, 335, 81},
    {3, 3, 507, 70, 483, 70},     {4, 4, 652, 68, 636, 68},     {5, 5, 792, 99, 772, 99},
    {6, 6, 936, 99, 924, 99},     {23, 7, 1080, 99, 1068, 99},  {24, 22, 1232, 99, 1228, 99},
    {7, 23, 1380, 99, 1374, 99},  {8, 8, 1561, 80, 1561, 80},   {9, 9, 1702, 98, 1710, 98},
    {22, 24, 1854, 98, 1870, 98}, {25, 25, 2014, 98, 2022, 98}, {30, 26, 2146, 98, 2182, 98},
    {13, 27, 2372, 98, 2408, 98}, {17, 28, 2500, 98, 2560, 98}, {10, 10, 2648, 98, 2706, 98},
    {11, 11, 2778, 98, 2852, 98}, {12, 12, 2912, 98, 3000, 98}, {20, 30, 3042, 98, 3144, 98},
    {14, 14, 3209, 98, 3322, 98}, {15, 17, 3420, 98, 3531, 98}, {28, 20, 3611, 98, 3733, 98},
    {26, 13, 3749, 98, 3875, 98}, {16, 16, 3917, 98, 4038, 98}, {21, 21, 4079, 98, 4211, 98},
    {27, 15, 4261, 98, 4391, 98}, {18, 18, 4433, 98, 4571, 98}, {31, 31, 4577, 98, 4723, 98},
    {19, 19, 4757, 93, 4907, 93},
};

}  // namespace

TRs232CodeWindow::TRs232CodeWindow(bool chinese) {
  setWindowTitle(chinese ? QString::fromUtf8("232通讯协议控制代码") : QStringLiteral("RS232 Protocal Code"));
  if (chinese) resize(746, 661);
  else resize(754, 662);

  Page = new QScrollArea(this);
  Page->setGeometry(rect());
  Page->setWidgetResizable(false);
  Page->setFrameShape(QFrame::NoFrame);
  QPalette white = Page->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  Page->setPalette(white);
  Page->setBackgroundRole(QPalette::Window);
  auto* sheet = new QWidget;
  sheet->setPalette(white);
  sheet->setAutoFillBackground(true);

  RTFLabel = Create<QLabel>(sheet, "RTFLabel");
  RTFLabel->setGeometry(50, chinese ? 8 : 24, 630, chinese ? 5000 : 4850);
  RTFLabel->setTextFormat(Qt::RichText);
  RTFLabel->setWordWrap(false);
  RTFLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  RTFLabel->setAttribute(Qt::WA_TranslucentBackground, true);

  for (const PicturePlace& place : kPictures) {
    const int number = chinese ? place.chinese : place.english;
    QLabel* image = Create<QLabel>(sheet, QStringLiteral("ExImage%1").arg(number));
    image->setGeometry(50, chinese ? place.chineseTop : place.englishTop, 630,
                       chinese ? place.chineseHeight : place.englishHeight);
    image->setAlignment(Qt::AlignCenter);
    ExImage[number - 1] = image;
  }
  sheet->resize(730, RTFLabel->geometry().bottom() + 24);
  Page->setWidget(sheet);
}

void TRs232CodeWindow::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_RS232_CODE"));
}

void TRs232CodeWindow::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  Page->setGeometry(rect());
}
