#import "ControlCoderPage.h"

#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "PageLayout.h"
#import "sharedData.h"

#include "pagelink.h"

using zz::mac::Outlet;

@implementation ControlCoderPage

- (void)dealloc
{
    [keyViews release];
    delete logic;
    delete outlets;
    [super dealloc];
}

- (AppKitOutlets*)outlets
{
    return outlets;
}

- (void)awakeFromNib
{
    // The view loads at once, so the page is ready before it is first shown.
    [self view];
    zzSizeWindow([self view]);
}

// The page, one row per control in the order Tab walks them: the control
// itself in a column, its type, the switches and the comment, the meter and
// the binding, and the commands at the bottom right.
static std::vector<LayoutRow> coderPageLayout()
{
    using namespace zzlayout;
    using O = Outlet;
    return {
        field(O::controlName, @"Control Name:", 20, 146, 20, 130),
        field(O::controlID, @"Control ID:", 20, 146, 47, 130),
        field(O::controlUnits, @"Units:", 20, 146, 74, 130),
        field(O::minValue, @"Min Value:", 20, 146, 101, 130),
        field(O::maxValue, @"Max Value:", 20, 146, 128, 130),
        field(O::defaultValue, @"Default Value:", 20, 146, 155, 130),
        field(O::displayPrecision, @"Display Precision:", 20, 146, 182, 50),
        popUp(O::controlTaperCombo, @"Control Taper:", 20, 146, 209, 130),
        popUp(O::controlDataCombo, @"Interpret As:", 20, 146, 236, 130),
        checkBox(O::includePIPDeclaration, @"Include piParam Declaration", 20, 268, 256),

        group(@"Control Type", 286, 20, 282, 115),
        radio(O::continuousControlButt, @"Continuous Numeric (knob, slider)", 296, 46, 262, "handleControlButtChange:"),
        radio(O::onOffControlButt, @"String List - Switch (OFF, ON)", 296, 67, 262, "handleControlButtChange:"),
        radio(O::multiStringControlButt, @"String List Switch (multiple taps)", 296, 88, 262,
              "handleControlButtChange:"),
        radio(O::meterControlButt, @"Meter", 296, 109, 262, "handleControlButtChange:"),

        group(@"Switches", 286, 145, 282, 133),
        field(O::onOffStringList, @"On/Off Strings:", 296, 406, 171, 152),
        label(@"Default:", 296, 199, 106),
        radio(O::offOnDefOff, @"OFF", 406, 198, 60, "handleOffOnDefaultButtChange:"),
        radio(O::offOnDefOn, @"ON", 474, 198, 60, "handleOffOnDefaultButtChange:"),
        field(O::multiStringList, @"Multi Strings:", 296, 406, 221, 152),
        field(O::defaultMultiStringIndex, @"Default Index:", 296, 406, 248, 50),
        caption(@"Comment:", 286, 286, 100),
        comment(O::textView, 286, 305, 282, 59),

        group(@"Meter", 578, 20, 252, 162),
        field(O::meterAttack, @"Attack:", 588, 692, 46, 60),
        label(@"mSec", 756, 49, 44),
        field(O::meterRelease, @"Release:", 588, 692, 73, 60),
        label(@"mSec", 756, 76, 44),
        popUp(O::meterDetectCombo, @"Detect Mode:", 588, 692, 100, 128),
        popUp(O::meterCalCombo, @"Calibration:", 588, 692, 127, 128),
        checkBox(O::invertedMeter, @"Inverted", 588, 156, 90),
        checkBox(O::proToolsGRMeter, @"Pro Tools GR", 692, 156, 128),

        group(@"Variable Binding", 578, 192, 252, 104),
        checkBox(O::enableVarBinding, @"Enable Variable Binding", 588, 218, 232),
        field(O::boundVariableName, @"Variable:", 588, 692, 239, 128),
        popUp(O::boundVarDataypeCombo, @"Datatype:", 588, 692, 266, 128),

        push(@"Copy Code", 578, 300, 122, "copyCodeClipboard:"),
        push(@"Copy Variable", 708, 300, 122, "copyBoundVarClipboard:"),
        push(@"Reset", 578, 334, 122, "handleReset:"),
        push(@"Exit", 708, 334, 122, "handleExit:"),
    };
}

- (void)loadView
{
    outlets = new AppKitOutlets;
    NSView* view =
        zzBuildPage(coderPageLayout(), self, outlets, zz::mac::kFirstCoderOutlet, Outlet::count, &keyViews);
    commentView = [textView enclosingScrollView];
    [self chainKeyViews];
    [self setView:view];

    logic = new zz::mac::CoderPageLogic(*outlets, AppKitServices::shared(), zz::mac::PageLink::shared());
#ifdef GNUSTEP
    [self viewDidLoad];
#endif
}

- (void)viewDidLoad
{
#ifndef GNUSTEP
    [super viewDidLoad];
#endif
    [[sharedData getSharedData] setKoderPage:self];
    logic->viewDidLoad();
}

- (void)chainKeyViews
{
    zzChainKeyViews(keyViews);
}

- (void)viewDidAppear
{
    zzSizeWindow([self view]);
    // GNUstep works out a loop of its own from the controls' positions when
    // the window is first shown.
    [self chainKeyViews];
    logic->viewDidAppear();
#ifndef GNUSTEP
    [super viewDidAppear];
#endif
}

- (void)viewWillDisappear
{
#ifndef GNUSTEP
    [super viewWillDisappear];
#endif
}

- (void)initControls
{
    logic->initControls();
}

- (void)parseControls
{
    logic->parseControls();
}

- (IBAction)handleControlButtChange:(id)sender
{
    outlets->applyRadioGroup(sender);
}

- (IBAction)handleOffOnDefaultButtChange:(id)sender
{
    outlets->applyRadioGroup(sender);
}

- (IBAction)copyCodeClipboard:(id)sender
{
    (void)sender;
    logic->copyCodeClipboard();
}

- (IBAction)copyBoundVarClipboard:(id)sender
{
    (void)sender;
    logic->copyBoundVarClipboard();
}

- (IBAction)handleReset:(id)sender
{
    (void)sender;
    logic->handleReset();
}

- (IBAction)handleExit:(id)sender
{
    (void)sender;
    logic->handleExit();
}

@end
