// The page builder of the plot property editor: places captioned controls
// two pairs to a row on a page or in a group box, names them prefix +
// property + kind through the form's registry, binds them to their property
// and wires their change event to the page's apply handler.
#pragma once

#include <QGridLayout>

#include <algorithm>
#include <QLabel>
#include <QStringList>

#include "plot/wEditorEdit.h"
#include "plot/wEditorPickers.h"
#include "plot/wPlotEditorForm.h"
#include "plot/wUpDown.h"

struct TwEditorPageBuilder {
  TwPlotEditorForm* F;
  QWidget* W;
  QString Pre;
  std::vector<TwPlotEditorForm::Binding>* B;
  std::function<void()> Apply;
  QGridLayout* G = nullptr;
  int N = 0;
  bool ClassDependent = false;

  TwEditorPageBuilder(TwPlotEditorForm* f, QWidget* w, QString pre, std::vector<TwPlotEditorForm::Binding>* b,
                      std::function<void()> apply)
      : F(f), W(w), Pre(std::move(pre)), B(b), Apply(std::move(apply)) {
    G = new QGridLayout(W);
    G->setContentsMargins(6, 6, 6, 6);
    G->setHorizontalSpacing(6);
    G->setVerticalSpacing(3);
    // Rows keep their natural height; the space left goes below them.
    G->setRowStretch(99, 1);
    G->setColumnStretch(1, 1);
    G->setColumnStretch(3, 1);
  }

  QString Name(const QString& prop, const QString& kind, const QString& name) const {
    return name.isEmpty() ? Pre + prop + kind : name;
  }
  void Bind(const QString& prop, QWidget* c, bool text = false) {
    if (B && !prop.isEmpty()) B->push_back({prop, c, text, ClassDependent});
  }
  QLabel* Place(const QString& caption, QWidget* c) {
    const int row = N / 2, col = (N % 2) * 2;
    ++N;
    QLabel* l = nullptr;
    if (!caption.isEmpty()) {
      l = new QLabel(caption, W);
      G->addWidget(l, row, col);
    }
    G->addWidget(c, row, col + 1);
    c->setSizePolicy(c->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    return l;
  }
  void Full(QWidget* c) {
    if (N % 2) ++N;
    G->addWidget(c, N / 2, 0, 1, 4);
    N += 2;
  }
  TwComponentEditorEdit* Edit(const QString& prop, const QString& caption, bool ud = false, int mn = 0, int mx = 0,
                              int step = 1, const QString& name = {}) {
    auto* box = new QWidget(W);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    auto* e = F->Create<TwComponentEditorEdit>(box, Name(prop, "Edit", name));
    h->addWidget(e);
    if (ud) {
      auto* u = F->Create<TwUpDown>(box, Name(prop, "UpDown", name.isEmpty() ? QString() : name + "UpDown"));
      u->setFixedWidth(16);
      u->SetMin(mn);
      u->SetMax(mx);
      u->SetIncrement(step);
      u->SetAssociate(e);
      h->addWidget(u);
    }
    Place(caption, box);
    Bind(prop, e);
    e->OnUpdate = [a = Apply](QObject*) { a(); };
    return e;
  }
  // An edit with the value converter's "..." picker.
  TwComponentEditorEdit* Converter(const QString& prop, const QString& caption, TwValueConverterPageType page) {
    TwComponentEditorEdit* e = Edit(prop, caption);
    auto* p = F->Create<TwComponentEditorValueConverterPicker>(e->parentWidget(), Pre + prop + "Picker");
    p->setFixedWidth(22);
    p->setToolTip(QStringLiteral("Date/Time Editor"));
    p->DefaultPage = page;
    p->SetAssociate(e);
    static_cast<QHBoxLayout*>(e->parentWidget()->layout())->addWidget(p);
    return e;
  }
  TwComponentEditorCheckBox* Check(const QString& prop, const QString& caption, const QString& name = {}) {
    auto* c = F->Create<TwComponentEditorCheckBox>(W, Name(prop, "CheckBox", name));
    c->SetCaption(caption);
    c->setMinimumSize(c->width(), std::max(18, c->height()));
    Place({}, c);
    Bind(prop, c);
    c->OnClick = [a = Apply](QObject*) { a(); };
    return c;
  }
  TwComponentEditorComboBox* Combo(const QString& prop, const QString& caption, const QStringList& items,
                                   bool text = false, const QString& name = {}) {
    auto* c = F->Create<TwComponentEditorComboBox>(W, Name(prop, "ComboBox", name));
    c->addItems(items);
    c->setEditable(text && !prop.endsWith(QLatin1String("Name")));
    Place(caption, c);
    Bind(prop, c, text);
    c->OnChange = [a = Apply](QObject*) { a(); };
    return c;
  }
  TwComponentEditorColorPicker* Color(const QString& prop, const QString& caption, const QString& name = {}) {
    auto* c = F->Create<TwComponentEditorColorPicker>(W, Name(prop, "Picker", name));
    c->setMinimumSize(60, 21);
    Place(caption, c);
    Bind(prop, c);
    c->OnChange = [a = Apply](QObject*) { a(); };
    return c;
  }
  TwComponentEditorFontPicker* Font(const QString& prop, const QString& caption = {}, const QString& name = {}) {
    auto* c = F->Create<TwComponentEditorFontPicker>(W, Name(prop, "Picker", name));
    c->setText(QStringLiteral("Font"));
    Place(caption, c);
    Bind(prop, c);
    c->OnChange = [a = Apply](QObject*) { a(); };
    return c;
  }
  TwComponentEditorRadioGroup* Radio(const QString& prop, const QString& caption, const QStringList& items,
                                     int columns = 1, const QString& name = {}) {
    auto* c = F->Create<TwComponentEditorRadioGroup>(W, Name(prop, "RadioGroup", name));
    c->SetCaption(caption);
    c->SetItems(items);
    c->SetColumns(columns);
    c->setMinimumSize(140, 18 + 18 * ((int(items.size()) + columns - 1) / columns));
    Place({}, c);
    Bind(prop, c);
    c->OnChange = [a = Apply](QObject*) { a(); };
    return c;
  }
  TwComponentEditorButton* Button(const QString& name, const QString& caption) {
    auto* b = F->Create<TwComponentEditorButton>(W, name);
    b->setText(caption);
    Place({}, b);
    return b;
  }
  // A captioned group box spanning the row; its controls go to the result.
  TwEditorPageBuilder Group(const QString& caption) {
    auto* g = F->Create<TwComponentEditorGroupBox>(W, Pre + QString(caption).remove(' ') + "GroupBox");
    g->setTitle(caption);
    Full(g);
    TwEditorPageBuilder b(F, g, Pre, B, Apply);
    b.ClassDependent = ClassDependent;
    return b;
  }
};
