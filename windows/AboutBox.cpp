#include "windows/AboutBox.h"

#include "resources/resource.h"

// No parent: the running box takes the application's main window as owner.
CAboutBox::CAboutBox() : CDialog(IDD_ABOUT_BOX) {}

CAboutBox::~CAboutBox() = default;

const MessageMap* CAboutBox::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CAboutBox::GetThisMessageMap()
{
    static const MessageMap map(CDialog::GetThisMessageMap());
    return &map;
}
