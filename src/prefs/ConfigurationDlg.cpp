#include "prefs/ConfigurationDlg.h"

#include <string>
#include <vector>

#include "platform/InstallPaths.h"
#include "platform/Profile.h"
#include "prefs/ConfigurationRules.h"
#include "prefs/Preferences.h"
#include "res/ResourceIds.h"
#include "ui/DialogItems.h"
#include "ui/PlainDialog.h"
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

Trackbar SliderOf(HWND dialog, int id) {
    Trackbar slider;
    slider.Attach(GetDlgItem(dialog, id));
    return slider;
}

// What the two labels beside the sliders show, kept for the whole run: a slider rewrites
// its label only when its value changed. Every write of a label records its value, the
// one at the start too, so that an earlier opening never passes for what is on screen.
std::int32_t shownVolume = 0;
std::int32_t shownIrsTime = 0;

void ShowVolume(HWND dialog, std::int32_t volume) {
    SetItemText(dialog, IDC_CFG_VOLUME_LABEL, VolumeLabel(volume));
    shownVolume = volume;
}

void ShowIrsTime(HWND dialog, std::int32_t seconds) {
    SetItemText(dialog, IDC_CFG_IRS_LABEL, IrsTimeLabel(seconds));
    shownIrsTime = seconds;
}

void ShowKeyInputMode(HWND dialog, KeyInputMode mode) {
    if (mode == KeyInputMode::Undecided) return;
    for (int id : kModifierButtons.ids) EnableWindow(GetDlgItem(dialog, id), mode == KeyInputMode::Modifier);
}

const char* const kWriteAdvice =
    "Make sure that the folder exists, that the file is not read-only and that no other program "
    "is using it, then ";

void Start(HWND dialog) {
    Profile prefs(PrefsPath);
    CommonPreferences = LoadCommonPreferences(prefs);
    CommonPreferenceValues& values = CommonPreferences;

    ShowValue(dialog, kUnitButtons, values.UnitSystem);
    ShowValue(dialog, kPushbackButtons, values.PushbackType == 0 ? 0 : 1);
    ShowValue(dialog, kExperienceButtons, values.UserExperience);

    Trackbar volume = SliderOf(dialog, IDC_CFG_VOLUME);
    volume.SetRange(0, 100);
    volume.SetPosition(values.PanelVolume);
    ShowVolume(dialog, values.PanelVolume);

    Trackbar irsTime = SliderOf(dialog, IDC_CFG_IRS_TIME);
    irsTime.SetRange(0, 600);
    irsTime.SetPosition(values.IRSAlignmentTime);
    ShowIrsTime(dialog, values.IRSAlignmentTime);

    ShowModifier(dialog, values.Modifier);
    ShowValue(dialog, kLockButtons, values.Locker);
    ShowKeyInputMode(dialog, ApplyLocker(values));

    SetItemChecked(dialog, IDC_CFG_AUTO_PAUSE, values.AutoPause != 0);
    SetItemChecked(dialog, IDC_CFG_FSUIPC, values.FsuipcUsage != 0);
}

void ColdAndDark() {
    Profile prefs(PrefsPath);
    FileStatus status = WriteColdAndDark(prefs);
    if (status == FileStatus::Ok) {
        ShowMessage("The aircraft will be Cold & Dark\nnext time you load it in FS.", "Status", MB_ICONINFORMATION);
    } else {
        ShowMessage(DescribeFileFailure(FileAccess::Write, PrefsPath, status) +
                        "\n\nThe aircraft will not be loaded Cold & Dark. " + kWriteAdvice + "press the button again.",
                    "ERROR", MB_ICONSTOP);
    }
}

bool Save() {
    Profile prefs(PrefsPath);
    FileStatus status = SaveCommonPreferences(prefs, CommonPreferences);
    if (status == FileStatus::Ok) return true;
    ShowMessage(DescribeFileFailure(FileAccess::Write, PrefsPath, status) +
                    "\n\nYour choices have not been saved yet. " + kWriteAdvice +
                    "press Ok again, or Cancel to leave without saving.",
                "ERROR", MB_ICONSTOP);
    return false;
}

// Returns whether the command was handled as the dialog's own end.
bool Command(HWND dialog, int id) {
    CommonPreferenceValues& values = CommonPreferences;
    if (int unit = ValueOf(kUnitButtons, id); unit >= 0) values.UnitSystem = unit;
    if (int pushback = ValueOf(kPushbackButtons, id); pushback >= 0) values.PushbackType = pushback;
    if (int level = ValueOf(kExperienceButtons, id); level >= 0) {
        ChooseExperience(values, level);
        SliderOf(dialog, IDC_CFG_IRS_TIME).SetPosition(values.IRSAlignmentTime);
        ShowIrsTime(dialog, values.IRSAlignmentTime);
    }
    if (int modifier = ValueOf(kModifierButtons, id); modifier >= 0) values.Modifier = modifier;
    if (int locker = ValueOf(kLockButtons, id); locker >= 0) {
        values.Locker = locker;
        KeyInputMode mode = ApplyLocker(values);
        ShowKeyInputMode(dialog, mode);
        // Without a lock key the modifier in force is shown checked, Control-Shift when
        // the lock had cleared it.
        if (mode == KeyInputMode::Modifier) ShowModifier(dialog, values.Modifier);
    }
    if (id == IDC_CFG_COLD_AND_DARK) ColdAndDark();
    if (id == IDC_CFG_AUTO_PAUSE) values.AutoPause = IsItemChecked(dialog, id) ? 1 : 0;
    if (id == IDC_CFG_FSUIPC) values.FsuipcUsage = IsItemChecked(dialog, id) ? 1 : 0;

    if (id == IDOK) {
        if (Save()) EndPlainDialog(dialog, IDOK);
        return true;
    }
    if (id == IDCANCEL) {
        EndPlainDialog(dialog, IDCANCEL);
        return true;
    }
    return false;
}

// Either slider moved: both values follow their thumbs.
void Scroll(HWND dialog) {
    CommonPreferenceValues& values = CommonPreferences;
    values.PanelVolume = SliderOf(dialog, IDC_CFG_VOLUME).Position();
    if (values.PanelVolume != shownVolume) ShowVolume(dialog, values.PanelVolume);
    values.IRSAlignmentTime = SliderOf(dialog, IDC_CFG_IRS_TIME).Position();
    if (values.IRSAlignmentTime != shownIrsTime) ShowIrsTime(dialog, values.IRSAlignmentTime);
}

}  // namespace

INT_PTR CALLBACK ConfigurationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            Start(dialog);
            return TRUE;
        case WM_COMMAND:
            return Command(dialog, LOWORD(wParam)) ? TRUE : FALSE;
        case WM_HSCROLL:
            Scroll(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}

