#include "plot/wPickerDialogs.h"

#include <QFileInfo>
#include <QWidget>

#include <vector>

#include "controls/wDraw.h"
#include "platform/Dialogs.h"

using namespace platform;

namespace {

QStringList FilterPieces(const QString& Filter) {
  QStringList pieces = Filter.split(QLatin1Char('|'));
  if (!pieces.isEmpty() && pieces.last().isEmpty()) pieces.removeLast();
  return pieces;
}

bool HasParentWindow(QObject* owner) { return owner && FindOwnerForm(owner) != nullptr; }

}  // namespace

QString EditorFilterToQt(const QString& Filter) {
  const QStringList pieces = FilterPieces(Filter);
  QStringList entries;
  for (int i = 0; i + 1 < pieces.size(); i += 2) {
    QString description = pieces[i];
    const int paren = description.lastIndexOf(QStringLiteral(" ("));
    if (paren > 0 && description.endsWith(QLatin1Char(')'))) description.truncate(paren);
    QString patterns = pieces[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    entries << QStringLiteral("%1 (%2)").arg(description, patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

bool TwColorDialog::Execute() {
  const std::optional<TColor> chosen = ChooseColor({ColorToRGB(Color), std::vector<TColor>(16, clWhite)});
  if (!chosen) return false;
  Color = *chosen;
  return true;
}

bool TwFontDialog::Execute() {
  const std::optional<TFont> chosen = ChooseFont(Font);
  if (!chosen) return false;
  Font.Color = chosen->Color;
  Font.Name = chosen->Name;
  Font.Height = chosen->Height;
  Font.Style = chosen->Style;
  return true;
}

bool TwOpenDialog::Execute() {
  Files.clear();
  if (!HasParentWindow(this)) return false;
  FileRequest request;
  request.filter = EditorFilterToQt(Filter);
  request.defaultSuffix = DefaultExt;
  request.directory = DefaultDir.isEmpty() ? QStringLiteral(".") : DefaultDir;
  request.fileName = FileName.left(260);
  request.mustExist = FileMustExist;
  request.multiSelect = AllowMultiSelect;
  const std::optional<FileChoice> choice = ChooseFiles(request);
  if (!choice || choice->files.isEmpty()) return false;
  Files = AllowMultiSelect ? choice->files : QStringList{choice->files.front()};
  FileName = Files.front();
  return true;
}

bool TwSaveDialog::Execute() {
  if (!HasParentWindow(this)) return false;
  FileRequest request;
  request.save = true;
  request.filter = EditorFilterToQt(Filter);
  request.filterIndex = FilterIndex;
  // No default suffix from the dialog: added before the extension rule's,
  // it would give a name two extensions (notes.dat.ano).
  request.directory = DefaultDir.isEmpty() ? QStringLiteral(".") : DefaultDir;
  request.fileName = FileName.left(260);
  // The window would ask about the name as typed (shot); the file written is
  // the name with its extension (shot.bmp), asked about here.
  request.confirmOverwrite = false;
  const QString startName = FileName;
  const int startIndex = FilterIndex;
  for (;;) {
    const std::optional<FileChoice> choice = ChooseFiles(request);
    if (!choice || choice->files.isEmpty()) {
      FileName = startName;
      FilterIndex = startIndex;
      return false;
    }
    FileName = choice->files.front();
    FilterIndex = choice->filterIndex;
    // A bare name under a pattern without an extension of its own ("*.*")
    // takes DefaultExt; under any other pattern the rule adds the pattern's.
    QStringList patterns;
    for (const QString& piece : FilterPieces(Filter))
      if (piece.startsWith(QLatin1Char('*'))) patterns << piece;
    const bool ownExt = FilterIndex >= 1 && FilterIndex <= patterns.size() && patterns[FilterIndex - 1] != "*.*";
    if (!ownExt && !DefaultExt.isEmpty() && QFileInfo(FileName).suffix().isEmpty())
      FileName += QLatin1Char('.') + DefaultExt;
    ApplyExtensionRule();
    if (!QFileInfo::exists(FileName)) return true;
    MessageRequest question{QStringLiteral("Confirm Save As"),
                            QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                .arg(QFileInfo(FileName).fileName()),
                            MessageKind::Warning, true};
    if (ShowMessage(question) == mrYes) return true;
    // No: back to the window, on the name as chosen.
    request.fileName = choice->files.front().left(260);
    request.filterIndex = choice->filterIndex;
  }
}

void TwSaveDialog::ApplyExtensionRule() {
  FFilterList.clear();
  for (const QString& piece : FilterPieces(Filter))
    if (piece.startsWith(QLatin1Char('*'))) FFilterList << piece;
  FReturnExt.clear();
  if (FilterIndex >= 1 && FFilterList.size() >= FilterIndex) FReturnExt = FFilterList[FilterIndex - 1].mid(1);
  if (FReturnExt.isEmpty() || FReturnExt == QStringLiteral(".*")) return;
  const QString suffix = QFileInfo(FileName).suffix();
  if (!suffix.isEmpty()) {
    const QString pattern = QStringLiteral("*.") + suffix;
    for (int i = 0; i < FFilterList.size(); ++i) {
      if (FFilterList[i].compare(pattern, Qt::CaseInsensitive) == 0) {
        if (i == FilterIndex - 1) return;
        break;
      }
    }
  }
  FileName += FReturnExt;
}
