// The master manager's editor side: opening the property editor, copying
// the plot-wide settings back, translating windows, and mirroring object
// insertions, removals and renames into the open editor.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

#include "plot/wEditorEdit.h"
#include "plot/wEditorListBox.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotEditorForm.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotLayoutViewer.h"
#include "plot/wPlotMasterManager.h"

TwPlotEditorForm* TwPlotMasterManager::EditorForm() const { return FEditorForm; }

void TwPlotMasterManager::DestroyEditorForm() {
  TwPlotEditorForm* f = FEditorForm;
  FEditorForm = nullptr;
  delete f;
}

bool TwPlotMasterManager::EditorOpen() const { return FEditorForm && !FEditorForm->IsClosing(); }

void TwPlotMasterManager::CreateEditorForm() {
  if (!FOwner) return;
  auto* f = new TwPlotEditorForm(FOwner);
  FEditorForm = f;
  f->Master = this;
  f->OnClose = [this] { OnEditorClose(); };
  f->SetFormTranslationMethod([this](QWidget* w) { TranslateForm(w); });
  f->LayoutViewer()->Master = this;
  f->LayoutViewer()->LayoutManager = FLayoutManager;
  f->LayoutViewer()->TranslationManager = FTranslationManager;
  TwPlotObjectManagerCustom* managers[TwPlotEditorForm::ekCount] = {
      FToolBarManager, FLegendManager,    FTableManager,  FXAxisManager, FYAxisManager,
      FDataViewManager, FChannelManager, FDataCursorManager, FLimitManager, FLabelManager};
  for (int k = 0; k < TwPlotEditorForm::ekCount; ++k) {
    TwComponentEditorListBox* l = f->List(TwPlotEditorForm::Kind(k));
    for (int i = 0; managers[k] && i < managers[k]->Count(); ++i)
      l->AddObject(QString(), managers[k]->GetPlotObject(i));
    if (l->Count() > 0) l->SetItemIndex(0);
    f->UpdateKind(TwPlotEditorForm::Kind(k));
  }
  for (int i = 0; i < TwPlotEditorForm::PageControlCount; ++i)
    if (f->PageControl(i)) f->PageControl(i)->setCurrentIndex(FPageIndexes[i]);
  for (const char* name : {"wChannelAddButton", "ChannelRemoveButton"})
    if (auto* b = f->FindControl<QWidget>(QString::fromLatin1(name)))
      b->setVisible(FOwner->UserCanAddRemoveChannels());
  TranslateForm(f);
}

void TwPlotMasterManager::EditProperties() {
  const bool created = !FEditorForm;
  if (created) CreateEditorForm();
  TwPlotEditorForm* f = FEditorForm;
  if (!f) return;
  const bool modal = FOwner->EditorFormStyle() == ipfsModal;
  struct FreeModal {
    TwPlotMasterManager* m;
    bool modal;
    ~FreeModal() {
      if (modal) m->DestroyEditorForm();
    }
  } freeModal{this, modal};
  f->UpdateAll();
  f->PlotComponent = FOwner;
  f->LoadPlotSettings();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect r = s->geometry();
    f->move(r.width() / 2 - f->width() / 2, r.height() / 2 - f->height() / 2);
  }
  if (FOwner->OnAfterOpenEditor) FOwner->OnAfterOpenEditor(FOwner);
  auto readBack = [this, f] {
    for (int i = 0; i < TwPlotEditorForm::PageControlCount; ++i)
      if (f->PageControl(i)) FPageIndexes[i] = f->PageControl(i)->currentIndex();
  };
  if (modal) {
    EditorShowModal(*f);
    readBack();
  } else {
    f->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    f->Show();
    readBack();
  }
}

void TwPlotMasterManager::OnEditorClose() {
  if (!FEditorForm || FOwner->EditorFormStyle() == ipfsModal) return;
  for (int i = 0; i < TwPlotEditorForm::PageControlCount; ++i)
    if (FEditorForm->PageControl(i)) FPageIndexes[i] = FEditorForm->PageControl(i)->currentIndex();
  FEditorForm->OnClose = nullptr;
  FEditorForm->deleteLater();
  FEditorForm = nullptr;
}

void TwPlotMasterManager::BasicPropertyChanged() {
  if (!EditorOpen() || !FOwner) return;
  FEditorForm->ApplyPlotSettings();
}

void TwPlotMasterManager::OnObjectEdit(TwPersistent* Sender) {
  auto* o = dynamic_cast<TwPlotObject*>(Sender);
  if (!o) return;
  if (!FEditorForm) CreateEditorForm();
  TwPlotEditorForm* f = FEditorForm;
  if (!f) return;
  const TwPlotEditorForm::Kind k = TwPlotEditorForm::KindOf(o);
  if (k != TwPlotEditorForm::ekCount) {
    f->MainPageControl()->setCurrentWidget(f->KindPage(k));
    TwComponentEditorListBox* l = f->List(k);
    for (int i = 0; i < l->Count(); ++i)
      if (l->Objects(i) == o) l->SetItemIndex(i);
    f->UpdateKind(k);
  }
  EditProperties();
}

void TwPlotMasterManager::TranslateForm(QWidget* Form) {
  if (!Form || !FTranslationManager || FTranslationManager->Count() == 0) return;
  if (auto* e = dynamic_cast<TwPlotEditorForm*>(Form); e && e->IsClosing()) return;
  auto tr = [this](const QString& s) { return FTranslationManager->FindReplacement(s); };
  Form->setWindowTitle(tr(Form->windowTitle()));
  for (QWidget* w : Form->findChildren<QWidget*>()) {
    if (auto* x = qobject_cast<QLabel*>(w)) x->setText(tr(x->text()));
    else if (auto* x = qobject_cast<TwComponentEditorCheckBox*>(w)) x->SetCaption(tr(x->Caption()));
    else if (auto* x = qobject_cast<TwComponentEditorRadioGroup*>(w)) {
      x->SetCaption(tr(x->Caption()));
      QStringList items = x->Items();
      for (QString& i : items) i = tr(i);
      const int at = x->ItemIndex();
      x->SetItems(items);
      x->SetAsInteger(at);
    } else if (auto* x = qobject_cast<TwComponentEditorComboBox*>(w)) {
      for (int i = 0; i < x->count(); ++i) x->setItemText(i, tr(x->itemText(i)));
    } else if (auto* x = qobject_cast<QAbstractButton*>(w)) {
      x->setText(tr(x->text()));
    } else if (auto* x = qobject_cast<QGroupBox*>(w)) {
      x->setTitle(tr(x->title()));
    } else if (auto* x = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < x->count(); ++i) x->setTabText(i, tr(x->tabText(i)));
    } else if (auto* x = qobject_cast<QMenu*>(w)) {
      for (QAction* a : x->actions()) a->setText(tr(a->text()));
    }
  }
}

// ---- mirroring into the open editor ------------------------------------------------------

void TwPlotMasterManager::EditorInsert(TwPersistent* Sender) {
  if (!EditorOpen()) return;
  FEditorForm->AddListObject(static_cast<TwPlotObject*>(Sender));
}

void TwPlotMasterManager::EditorRemove(TwPersistent* Sender) {
  // Also while the window closes: its layout viewer may still see the mouse.
  if (FEditorForm) FEditorForm->ObjectRemoved(static_cast<TwPlotObject*>(Sender));
  if (!EditorOpen()) return;
  // By list, not by class: a removal notice may come from a destructor.
  for (int k = 0; k < TwPlotEditorForm::ekCount; ++k) {
    TwComponentEditorListBox* l = FEditorForm->List(TwPlotEditorForm::Kind(k));
    for (int i = 0; i < l->Count(); ++i)
      if (l->Objects(i) == static_cast<void*>(static_cast<TwPlotObject*>(Sender))) {
        l->DeleteObjectIndex(l->Objects(i));
        FEditorRemovedKind = k;
        return;
      }
  }
}

void TwPlotMasterManager::EditorAfterRemove() {
  const int k = FEditorRemovedKind;
  FEditorRemovedKind = -1;
  if (!EditorOpen() || k < 0) return;
  FEditorForm->UpdateKind(TwPlotEditorForm::Kind(k));
  // The channels' and limits' axis lists lose the axis.
  if (k == TwPlotEditorForm::ekXAxis || k == TwPlotEditorForm::ekYAxis) {
    FEditorForm->UpdateChannelEdit();
    FEditorForm->UpdateLimitEdit();
    FEditorForm->UpdateDataViewEdit();
  } else if (k == TwPlotEditorForm::ekChannel) {
    FEditorForm->ResetStats();
    FEditorForm->UpdateDataCursorEdit();
  }
}

void TwPlotMasterManager::EditorRename(TwPersistent* Sender) {
  if (!EditorOpen()) return;
  auto* o = dynamic_cast<TwPlotObject*>(Sender);
  if (!o) return;
  TwPlotEditorForm* f = FEditorForm;
  // A list that showed the old name selects the new one.
  auto follow = [&](const QStringList& combos, auto refill) {
    std::vector<TwComponentEditorComboBox*> showedOld;
    for (const QString& n : combos)
      if (auto* c = f->FindControl<TwComponentEditorComboBox>(n); c && c->AsString() == o->NameOld())
        showedOld.push_back(c);
    refill();
    for (TwComponentEditorComboBox* c : showedOld) c->SetAsInteger(c->findText(o->Name()));
  };
  if (dynamic_cast<TwPlotXAxis*>(o)) {
    follow({"ChannelXAxisNameComboBox", "LimitXAxisNameComboBox", "DataViewGridXAxisNameComboBox"}, [f] {
      f->XAxisNameComboBoxDropDown();
      f->DataViewGridXAxisNameComboBoxDropDown();
    });
  } else if (dynamic_cast<TwPlotYAxis*>(o)) {
    follow({"ChannelYAxisNameComboBox", "LimitYAxisNameComboBox", "DataViewGridYAxisNameComboBox"}, [f] {
      f->YAxisNameComboBoxDropDown();
      f->DataViewGridYAxisNameComboBoxDropDown();
    });
  } else if (dynamic_cast<TwPlotChannelCustom*>(o)) {
    follow({"DataCursorChannelNameComboBox"}, [f] { f->ChannelNameComboBoxDropDown(); });
  }
  const TwPlotEditorForm::Kind k = TwPlotEditorForm::KindOf(o);
  if (k != TwPlotEditorForm::ekCount) f->List(k)->viewport()->update();
}
