#pragma once

// The desktop's Open (or Save) dialog, run modally.

#include "platform/CString.h"
#include "platform/Constants.h"
#include "platform/Host.h"

class CWnd;

class CFileDialog {
public:
    // `filter` is a list of "shown name|pattern|" pairs ended by a second bar.
    // `defaultExtension` is added to a chosen name that has none.
    explicit CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                         CWnd* parent = nullptr);

    // IDOK when a file was chosen, IDCANCEL when the learner cancelled.
    INT_PTR DoModal();
    // The full path of the chosen file, or an empty text when none was chosen.
    CString GetPathName() const { return m_pathName; }

    const platform::FileDialogRequest& Request() const { return m_request; }

    // Splits "name|pattern|name|pattern||" into its choices.
    static std::vector<platform::FileFilter> ParseFilter(const std::string& filter);

private:
    platform::FileDialogRequest m_request;
    CWnd* m_pParentWnd;
    CString m_pathName;
};
