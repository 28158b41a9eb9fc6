#include "platform/CFileDialog.h"

#include "platform/CWnd.h"
#include "platform/ModalRun.h"
#include "platform/Window.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_pParentWnd(parent)
{
    m_request.openDialog = openFileDialog != FALSE;
    m_request.defaultExtension = defaultExtension ? defaultExtension : "";
    m_request.fileName = fileName ? fileName : "";
    m_request.flags = flags;
    m_request.filterSpec = filter ? filter : "";
    m_request.filters = ParseFilter(m_request.filterSpec);
}

std::vector<platform::FileFilter> CFileDialog::ParseFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    std::vector<platform::FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;  // The second bar of "||" ends the list.
        filters.push_back({parts[i], parts[i + 1]});
    }
    return filters;
}

namespace {

std::string WithDefaultExtension(std::string path, const std::string& extension)
{
    std::string ext = extension;
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    if (!ext.empty() && !hasExtension)
        path += "." + ext;
    return path;
}

}  // namespace

INT_PTR CFileDialog::DoModal()
{
    platform::Window* parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    platform::Window* owner = platform::ModalOwner(parent);
    const std::optional<std::string> chosen = platform::RunFileDialog(owner, m_request);
    if (!chosen || chosen->empty()) {
        m_pathName.Empty();
        return IDCANCEL;
    }
    m_pathName = WithDefaultExtension(*chosen, m_request.defaultExtension);
    return IDOK;
}
