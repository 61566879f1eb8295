#include "controls/ExHintInfo.h"

void TExHintInfo::Assign(const QObject* source) {
  const auto* s = qobject_cast<const TExHintInfo*>(source);
  if (!s || s == this) return;
  FTitle = s->FTitle;
  FNotes = s->FNotes;
  FShowHelp = s->FShowHelp;
  FPicture.Assign(&s->FPicture);
  FWideTitle = s->FWideTitle;
  FWideNotes = s->FWideNotes;
}
