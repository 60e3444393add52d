#pragma once

#include <memory>
#include <string>

#include "simbrief/OfpRequest.h"
#include "ui/ModalDialog.h"

// The small window shown while the latest OFP is asked for: it starts the request when it
// opens and ends with IDOK once the answer is in (whatever it is), or with IDCANCEL at once
// on Cancel, the connection then closed.
class CFetchProgressDlg : public ModalDialog {
public:
    explicit CFetchProgressDlg(std::string pilotId, HWND parent = nullptr);

    // After IDOK.
    const FetchedAnswer& Answer() const { return request_->Answer(); }

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCancel() override;

private:
    std::string pilotId_;
    std::unique_ptr<OfpRequest> request_;
};
