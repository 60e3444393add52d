#pragma once

#include <cstdint>

#include "platform/Backups.h"
#include "platform/Profile.h"
#include "prefs/Preferences.h"
#include "ui/DialogItems.h"
#include "ui/ModalDialog.h"

// The Configuration dialog. It loads every preference from the read of Prefs.cfg it is
// given when it opens and keeps them until it closes; OK saves them all in one write and ends the dialog, Cancel ends it without saving;
// "Cold && Dark" writes its request at once. A save that fails is reported and the dialog
// stays open.
class CConfigurationDlg : public ModalDialog {
public:
    CConfigurationDlg(ProfileSnapshot prefs, FirstBackups& backups, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    // Either slider moved: both values follow their thumbs.
    void OnHScroll(int request, HWND scrollBar) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void ShowVolume(std::int32_t volume);
    void ShowIrsTime(std::int32_t seconds);
    void ColdAndDark();

    const ProfileSnapshot prefs_;
    FirstBackups& backups_;
    CommonPreferenceValues values_;
    Trackbar volume_;
    Trackbar irsTime_;
    // What the labels beside the sliders show: a slider rewrites its label only when its
    // value changed.
    std::int32_t shownVolume_ = 0;
    std::int32_t shownIrsTime_ = 0;
};
