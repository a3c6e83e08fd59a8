#include "fixed_dialog.h"

#include "dialog_descriptions.h"

FixedDialog::FixedDialog(const morvane::forms::WindowDescription& description, Reports reports)
    : DescribedWindow(description)
    , m_reports(std::move(reports))
{
}

void FixedDialog::show(HWND hiddenOwner, const RECT& area)
{
    if (!isOpen())
        open(hiddenOwner, area);
    activate();
}

void FixedDialog::commanded(std::string_view control, WORD notification)
{
    if (control != morvane::forms::kOkayButton || notification != BN_CLICKED)
        return;
    if (m_reports.okay)
        m_reports.okay();
    DestroyWindow(hwnd());
}

void FixedDialog::activated()
{
    m_reports.activated();
}

void FixedDialog::closed()
{
    m_reports.closed();
}
