#include "wizard/upgrade/upg_data_page.h"

#include <windows.h>

#include "os/text_lines.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/installation_records.h"
#include "wizard/task_line.h"

namespace {

// Wingdings' check mark, its byte 0xFC, is U+F0FC in UTF-8: the byte alone is no UTF-8 and
// would show as an empty box. The leading '%' gives it the label's shadow.
constexpr char kCheckMark[] = "%\xEF\x83\xBC";
// Wingdings' cross, its byte 0xFB: the task failed.
constexpr char kFailedMark[] = "%\xEF\x83\xBB";

PageFrameLayout Layout() {
  PageFrameLayout layout;
  layout.system_font = false;
  return layout;
}

}  // namespace

TUpgData::TUpgData(TComponent* owner, TInstallState& state, upgrade::UpgradeLibraryPort& library)
    : TWizardPage(owner, state, "Actualizare baza de date", Layout()), logic_(library, *this) {
  BBack = frame_.left;
  BNext = frame_.right;
  Bevel1 = frame_.bevel;
  BCancel = frame_.bevel_button;
  BNext->SetModalResult(mrOk);
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };

  L1 = PlaceControl<TLabel>(this, this, "L1", 160, 29, 68, 16);
  L1->SetCaption("Asteapta...");
  Bevel2 = PlaceControl<TBevel>(this, this, "Bevel2", 157, 47, 334, 61);

  static const char* const kMarkNames[] = {"Lk1", "Lk2", "Lk3"};
  static const char* const kBoxNames[] = {"Ck1", "Ck2", "Ck3"};
  static const char* const kPanelNames[] = {"BStruct", "BLists", "BConst"};
  for (int task = 0; task < upgrade::kTaskCount; ++task) {
    const int top = 51 + 18 * task;
    TFmtLabel* mark = PlaceControl<TFmtLabel>(this, this, kMarkNames[task], 165, top, 29, 17);
    mark->SetCaption(kCheckMark);
    mark->Font().SetName("Wingdings");
    mark->Font().SetHeight(-16);
    mark->Font().SetStyle(fsBold);
    mark->Font().SetColor(upgrade::kRed);
    mark->Font().SetCharset(SYMBOL_CHARSET);
    mark->SetVisible(false);
    Lk[task] = mark;

    panels_[task] = MakeTaskLine(this, this, 185, top, 253, 17, upgrade::kTaskNames[task]);
    panels_[task]->SetName(kPanelNames[task]);

    TActiveCheckBox* box =
        PlaceControl<TActiveCheckBox>(this, this, kBoxNames[task], 446, top, 25, 17);
    box->SetAlignment(taLeftJustify);
    box->SetChecked(true);
    Ck[task] = box;
  }
  BStruct = panels_[0];
  BLists = panels_[1];
  BConst = panels_[2];
}

void TUpgData::DoCreate() {
  logic_.FormCreate();
  TWizardPage::DoCreate();
}

void TUpgData::BNextClick(TObject*) {
  // After a failed task the button only goes on: the tasks have changed the data already.
  if (tasks_ran_) {
    SetModalResult(mrOk);
    return;
  }
  tasks_ran_ = true;
  if (const std::string refusal = KeepDataForTasks(state_); !refusal.empty()) {
    state_.Failures.push_back(os::OneLine(refusal));
    MesajDlg(refusal, "Eroare!", mtError, taCenter, kButtonsOK, mbOK, 0);
    BNext->SetEnabled(true);
    return;
  }
  const int result = logic_.RunTasks({Ck[0]->Checked(), Ck[1]->Checked(), Ck[2]->Checked()});
  for (int task = 0; task < upgrade::kTaskCount; ++task) {
    if (logic_.FailedTasks()[task]) state_.Failures.push_back(upgrade::TaskFailureText(task));
  }
  if (result == 0) BNext->SetEnabled(true);
  SetModalResult(result);
}

void TUpgData::KeyDown(uint16_t& key, TShiftState shift) {
  if (logic_.KeyDown(key, (shift & ssAlt) != 0)) {
    key = 0;
    return;
  }
  TWizardPage::KeyDown(key, shift);
}

void TUpgData::ShowReportLabel(bool visible) {
  L1->SetVisible(visible);
  L1->Repaint();
}

void TUpgData::SetReportText(const std::string& text) {
  L1->SetCaption(text);
  L1->Repaint();
}

void TUpgData::SetReportColour(uint32_t colour) {
  L1->Font().SetColor(static_cast<TColor>(colour));
}

void TUpgData::EnableButtons(bool enabled) {
  for (TButton* button : std::initializer_list<TButton*>{BBack, BNext, BCancel})
    button->SetEnabled(enabled);
}

void TUpgData::ShowMark(int task, bool visible) {
  Lk[task]->SetVisible(visible);
}

void TUpgData::MarkFailed(int task) {
  Lk[task]->SetCaption(kFailedMark);
  Lk[task]->SetVisible(true);
}

void TUpgData::SetPanelDone(int task, bool done) {
  SetTaskLineDone(*panels_[task], done);
}

void TUpgData::ProcessMessages() {
  Application.ProcessMessages();
}

TForm* CreateUpgDataPage(TInstallState& state, upgrade::UpgradeLibraryPort& library) {
  return CreateForm<TUpgData>(&Application, state, library);
}
