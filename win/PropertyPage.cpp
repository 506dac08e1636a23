#include "PropertyPage.h"

#include "MainSheet.h"

namespace zz::win {

bool PropertyPage::OnSetActive()
{
    if (sheet_)
        sheet_->OnActivatePage(*this);
    return true;
}

}  // namespace zz::win
