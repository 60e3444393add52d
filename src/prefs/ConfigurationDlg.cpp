#include "prefs/ConfigurationDlg.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/Profile.h"
#include "prefs/ConfigurationRules.h"
#include "prefs/Preferences.h"
#include "res/ResourceIds.h"
#include "ui/BackupQuestion.h"
#include "ui/UserInterface.h"

namespace {

// The radio buttons of a preference, by value: the button of value i is ids[i - first].
struct RadioGroup {
    int first;
    std::vector<int> ids;
};

const RadioGroup kUnitButtons{0, {IDC_CFG_METRIC, IDC_CFG_IMPERIAL}};
const RadioGroup kExperienceButtons{0, {IDC_CFG_BEGINNER, IDC_CFG_INTERMEDIATE, IDC_CFG_EXPERT}};
const RadioGroup kModifierButtons{1, {IDC_CFG_SHIFT, IDC_CFG_CONTROL, IDC_CFG_CONTROL_SHIFT, IDC_CFG_WINDOWS}};
const RadioGroup kLockButtons{0, {IDC_CFG_NO_LOCK, IDC_CFG_SCROLL_LOCK, IDC_CFG_CAPS_LOCK, IDC_CFG_NUM_LOCK}};
const RadioGroup kPushbackButtons{0, {IDC_CFG_PUSHBACK_STANDARD, IDC_CFG_PUSHBACK_PPU}};

// The value a button of the group stands for, or -1 when the id is not one of them.
int ValueOf(const RadioGroup& group, int id) {
    int value = group.first;
    for (int button : group.ids) {
        if (button == id) return value;
        ++value;
    }
    return -1;
}

// Checks the button of `value` and clears the others; a value without a button clears all.
void ShowValue(HWND dialog, const RadioGroup& group, std::int32_t value) {
    int buttonValue = group.first;
    for (int button : group.ids) SetItemChecked(dialog, button, buttonValue++ == value);
}

// A Modifier of 0 (none, a lock key is used) shows Control-Shift checked, the modifier
// that giving up the lock key brings.
void ShowModifier(HWND dialog, std::int32_t modifier) {
    ShowValue(dialog, kModifierButtons, modifier == 0 ? 3 : modifier);
}

void ShowKeyInputMode(HWND dialog, KeyInputMode mode) {
    if (mode == KeyInputMode::Undecided) return;
    for (int id : kModifierButtons.ids) EnableWindow(GetDlgItem(dialog, id), mode == KeyInputMode::Modifier);
}

const char* const kWriteAdvice =
    "Make sure that the folder exists, that the file is not read-only and that no other program "
    "is using it, then ";

}  // namespace

CConfigurationDlg::CConfigurationDlg(ProfileSnapshot prefs, FirstBackups& backups, HWND parent)
    : ModalDialog(IDD_CONFIGURATION, parent), prefs_(std::move(prefs)), backups_(backups) {
    Bind(IDC_CFG_VOLUME, volume_);
    Bind(IDC_CFG_IRS_TIME, irsTime_);
}

bool CConfigurationDlg::OnInitDialog() {
    ShowPicture(IDC_CFG_HEADER, IDB_CONFIGURATION_HEADER);
    values_ = LoadCommonPreferences(prefs_);
    const CommonPreferenceValues& values = values_;

    ShowValue(Window(), kUnitButtons, values.UnitSystem);
    // Unlike the other groups, one pushback is always checked: any value but PPU's is Standard.
    ShowValue(Window(), kPushbackButtons, values.PushbackType == 1 ? 1 : 0);
    ShowValue(Window(), kExperienceButtons, values.UserExperience);

    volume_.SetRange(0, 100);
    volume_.SetPosition(values.PanelVolume);
    ShowVolume(values.PanelVolume);
    irsTime_.SetRange(0, 600);
    irsTime_.SetPosition(values.IRSAlignmentTime);
    ShowIrsTime(values.IRSAlignmentTime);

    ShowModifier(Window(), values.Modifier);
    ShowValue(Window(), kLockButtons, values.Locker);
    ShowKeyInputMode(Window(), ApplyLocker(values_));

    SetItemChecked(Window(), IDC_CFG_AUTO_PAUSE, values.AutoPause != 0);
    SetItemChecked(Window(), IDC_CFG_FSUIPC, values.FsuipcUsage != 0);
    return true;
}

void CConfigurationDlg::ShowVolume(std::int32_t volume) {
    SetItemText(Window(), IDC_CFG_VOLUME_LABEL, VolumeLabel(volume));
    shownVolume_ = volume;
}

void CConfigurationDlg::ShowIrsTime(std::int32_t seconds) {
    SetItemText(Window(), IDC_CFG_IRS_LABEL, IrsTimeLabel(seconds));
    shownIrsTime_ = seconds;
}

void CConfigurationDlg::ColdAndDark() {
    Profile prefs(prefs_.Path());
    const std::optional<FileStatus> status = BackUpThenSave(backups_, {prefs.Path()}, [&] { return WriteColdAndDark(prefs); });
    if (!status) return;
    if (*status == FileStatus::Ok) {
        ShowMessage("The aircraft will be Cold & Dark\nnext time you load it in FS.", "Status", MB_ICONINFORMATION);
    } else {
        ShowMessage(DescribeFileFailure(FileAccess::Write, prefs.Path(), *status) +
                        "\n\nThe aircraft will not be loaded Cold & Dark. " + kWriteAdvice + "press the button again.",
                    "ERROR", MB_ICONSTOP);
    }
}

void CConfigurationDlg::OnOK() {
    Profile prefs(prefs_.Path());
    const std::optional<FileStatus> status =
        BackUpThenSave(backups_, {prefs.Path()}, [&] { return SaveCommonPreferences(prefs, values_); });
    if (!status) return;
    if (*status == FileStatus::Ok) {
        EndDialog(IDOK);
        return;
    }
    ShowMessage(DescribeFileFailure(FileAccess::Write, prefs.Path(), *status) +
                    "\n\nYour choices have not been saved yet. " + kWriteAdvice +
                    "press Ok again, or Cancel to leave without saving.",
                "ERROR", MB_ICONSTOP);
}

bool CConfigurationDlg::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return false;
    CommonPreferenceValues& values = values_;
    if (int unit = ValueOf(kUnitButtons, id); unit >= 0) values.UnitSystem = unit;
    if (int pushback = ValueOf(kPushbackButtons, id); pushback >= 0) values.PushbackType = pushback;
    if (int level = ValueOf(kExperienceButtons, id); level >= 0) {
        ChooseExperience(values, level);
        irsTime_.SetPosition(values.IRSAlignmentTime);
        ShowIrsTime(values.IRSAlignmentTime);
    }
    if (int modifier = ValueOf(kModifierButtons, id); modifier >= 0) values.Modifier = modifier;
    if (int locker = ValueOf(kLockButtons, id); locker >= 0) {
        values.Locker = locker;
        KeyInputMode mode = ApplyLocker(values);
        ShowKeyInputMode(Window(), mode);
        // Without a lock key the modifier in force is shown checked, Control-Shift when
        // the lock had cleared it.
        if (mode == KeyInputMode::Modifier) ShowModifier(Window(), values.Modifier);
    }
    if (id == IDC_CFG_COLD_AND_DARK) ColdAndDark();
    if (id == IDC_CFG_AUTO_PAUSE) values.AutoPause = IsItemChecked(Window(), id) ? 1 : 0;
    if (id == IDC_CFG_FSUIPC) values.FsuipcUsage = IsItemChecked(Window(), id) ? 1 : 0;
    return ModalDialog::OnCommand(id, code, control);
}

void CConfigurationDlg::OnHScroll(int, HWND) {
    CommonPreferenceValues& values = values_;
    values.PanelVolume = volume_.Position();
    if (values.PanelVolume != shownVolume_) ShowVolume(values.PanelVolume);
    values.IRSAlignmentTime = irsTime_.Position();
    if (values.IRSAlignmentTime != shownIrsTime_) ShowIrsTime(values.IRSAlignmentTime);
}
