#include "PropertyPage.h"

#include "MainSheet.h"

namespace zz::win {

bool PropertyPage::sheetClosing() const
{
    return sheet_ && sheet_->closing();
}

bool PropertyPage::OnSetActive()
{
    if (sheet_)
        sheet_->OnActivatePage(*this);
    return true;
}

}  // namespace zz::win
