// The look every dialog shares: the dark console palette of the editor, the
// faces of its bitmap buttons (drawn here, there is no artwork), its group
// boxes, faders and value boxes, and the small pictures of the confirmations.
// Everything here sets appearance only; no handler is bound.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;
class TUxBmpButton;
class TUxGroupBox;
class TExTrackBar;
class TRoundEdit;

namespace dialogs {

// A text id in the active language (through the main window), or in English
// while there is no main window.
QString Sid(const char* key);
// The English text of an id: the captions a window carries before its first show.
QString DesignText(const char* key);

// Colours of the dialogs, in one place.
struct Palette {
  QColor window{46, 55, 68};
  QColor text{226, 232, 240};
  QColor group{56, 66, 81};
  QColor groupFrame{96, 110, 130};
  QColor face{74, 88, 108};
  QColor faceTo{52, 62, 78};
  QColor faceHot{92, 110, 136};
  QColor faceDown{36, 44, 56};
  QColor latched{40, 120, 190};
  QColor latchedTo{26, 84, 140};
  QColor buttonFrame{20, 26, 34};
  QColor accent{120, 220, 90};
};
const Palette& Colours();

// Window background and text colours for a dialog and its plain Qt children.
void ApplyDialogLook(QWidget* form);

// Gives a bitmap button drawn faces of the given size (Up, Hot, Down,
// StayDown, Disabled), light caption text, and places it at r.
void SetButtonFaces(TUxBmpButton* button, const QRect& r);
// One face of a button: state 0 up, 1 hot, 2 down, 3 latched, 4 disabled;
// buttons of one size share the pictures.
QImage ButtonFace(const QSize& size, int state);

// A group box in the dialog colours at r with an optional caption.
void StyleGroupBox(TUxGroupBox* box, const QRect& r, const QString& caption = QString());
// A vertical fader at r over min..max, at position; a click on its track
// moves it by pageSize (mainform::kPage… of its role).
void SetupFader(TExTrackBar* fader, const QRect& r, int min, int max, int position, int tag, int pageSize);
// A read-only value box at r showing text.
void SetupValueBox(TRoundEdit* box, const QRect& r, const QString& text);

// Pictures drawn for the windows that name a picture but carry none.
enum class Picture { Question, Information, Panel };
QImage DrawPicture(Picture kind, const QSize& size);
// A label at r showing the drawn picture.
void SetPicture(QLabel* label, Picture kind, const QRect& r);

}  // namespace dialogs
