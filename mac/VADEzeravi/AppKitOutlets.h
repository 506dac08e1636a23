#import <Cocoa/Cocoa.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "outlets.h"

@class CustomTextFieldFormatter;
#ifdef GNUSTEP
@class GNUstepEditFilter;
#endif

// The controls of one page, by outlet, for the page's portable C++ side.
class AppKitOutlets : public zz::mac::Outlets {
public:
    AppKitOutlets();
    ~AppKitOutlets() override;
    AppKitOutlets(const AppKitOutlets&) = delete;
    AppKitOutlets& operator=(const AppKitOutlets&) = delete;

    void connect(zz::mac::Outlet outlet, id control);
    id control(zz::mac::Outlet outlet) const;

    std::string text(zz::mac::Outlet outlet) const override;
    void setText(zz::mac::Outlet outlet, const std::string& text) override;
    bool isOn(zz::mac::Outlet outlet) const override;
    void setOn(zz::mac::Outlet outlet, bool on) override;
    bool isEnabled(zz::mac::Outlet outlet) const override;
    void setEnabled(zz::mac::Outlet outlet, bool enabled) override;
    int selectedIndex(zz::mac::Outlet outlet) const override;
    void selectIndex(zz::mac::Outlet outlet, int index) override;
    void addItems(zz::mac::Outlet outlet, const std::vector<std::string>& items) override;
    void attachFormatter(zz::mac::Outlet outlet, std::shared_ptr<const zz::mac::FormatterRule> rule) override;
    void makeFirstResponder(zz::mac::Outlet outlet) override;

    // GNUstep keeps sibling radio buttons independent: a click on one turns
    // the others of its group off here.
    void applyRadioGroup(id sender);
    // The outlet of a control, if it is one of this page's.
    bool outletOf(id control, zz::mac::Outlet* outlet) const;

private:
    id controls_[zz::mac::kOutletCount];
    std::map<const zz::mac::FormatterRule*, CustomTextFieldFormatter*> formatters_;
#ifdef GNUSTEP
    GNUstepEditFilter* editFilter_;
#endif
};
