#import "ControlCoderPage.h"

#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "PageLayout.h"
#import "sharedData.h"

#include "shareddata.h"

using zz::mac::Outlet;

@implementation ControlCoderPage

- (void)dealloc
{
    delete page;
    delete outlets;
    [super dealloc];
}

- (zz::mac::ControlCoderPage*)page
{
    return page;
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

- (void)connectOutlets
{
    outlets->connectNamed(self, zz::mac::kFirstCoderOutlet, Outlet::count);
}

- (void)loadView
{
    NSView* view = [[[FlippedView alloc] initWithFrame:NSMakeRect(0, 0, 850, 400)] autorelease];
    const SEL toggle = @selector(toggleButton:);
    const SEL typeChange = @selector(handleControlButtChange:);
    const SEL defaultChange = @selector(handleOffOnDefaultButtChange:);

    // The control itself.
    const CGFloat lx = 12, fx = 130, fw = 155;
    zzLabel(view, @"Control Name:", lx, 10, 115);
    controlName = zzField(view, fx, 10, fw);
    zzLabel(view, @"Control ID:", lx, 40, 115);
    controlID = zzField(view, fx, 40, fw);
    zzLabel(view, @"Units:", lx, 70, 115);
    controlUnits = zzField(view, fx, 70, fw);
    zzLabel(view, @"Min Value:", lx, 100, 115);
    minValue = zzField(view, fx, 100, fw);
    zzLabel(view, @"Max Value:", lx, 130, 115);
    maxValue = zzField(view, fx, 130, fw);
    zzLabel(view, @"Default Value:", lx, 160, 115);
    defaultValue = zzField(view, fx, 160, fw);
    zzLabel(view, @"Display Precision:", lx, 190, 115);
    displayPrecision = zzField(view, fx, 190, 60);
    zzLabel(view, @"Control Taper:", lx, 220, 115);
    controlTaperCombo = zzCombo(view, fx, 219, fw);
    zzLabel(view, @"Interpret As:", lx, 250, 115);
    controlDataCombo = zzCombo(view, fx, 249, fw);
    includePIPDeclaration = zzCheckBox(view, @"Include piParam Declaration", lx, 285, 270, self, toggle);

    // Kind of control and the switches.
    const CGFloat tx = 315;
    zzGroup(view, @"Control Type", 302, 2, 272, 118);
    continuousControlButt = zzRadio(view, @"Continuous Numeric (knob, slider)", tx, 26, 255, self, typeChange);
    onOffControlButt = zzRadio(view, @"String List - Switch (OFF, ON)", tx, 48, 255, self, typeChange);
    multiStringControlButt = zzRadio(view, @"String List Switch (multiple taps)", tx, 70, 255, self, typeChange);
    meterControlButt = zzRadio(view, @"Meter", tx, 92, 255, self, typeChange);
    zzGroup(view, @"Switches", 302, 124, 272, 132);
    zzLabel(view, @"On/Off Strings:", tx, 148, 105);
    onOffStringList = zzField(view, 425, 148, 135);
    zzLabel(view, @"Default:", tx, 176, 105);
    offOnDefOff = zzRadio(view, @"OFF", 425, 176, 60, self, defaultChange);
    offOnDefOn = zzRadio(view, @"ON", 490, 176, 60, self, defaultChange);
    zzLabel(view, @"Multi Strings:", tx, 202, 105);
    multiStringList = zzField(view, 425, 202, 135);
    zzLabel(view, @"Default Index:", tx, 229, 105);
    defaultMultiStringIndex = zzField(view, 425, 229, 60);

    // Meter and binding.
    const CGFloat mx = 600, mf = 725;
    zzGroup(view, @"Meter", 586, 2, 252, 162);
    zzLabel(view, @"Attack (mSec):", mx, 26, 120);
    meterAttack = zzField(view, mf, 26, 100);
    zzLabel(view, @"Release (mSec):", mx, 52, 120);
    meterRelease = zzField(view, mf, 52, 100);
    zzLabel(view, @"Detect Mode:", mx, 79, 120);
    meterDetectCombo = zzCombo(view, mf, 78, 100);
    zzLabel(view, @"Calibration:", mx, 106, 120);
    meterCalCombo = zzCombo(view, mf, 105, 100);
    invertedMeter = zzCheckBox(view, @"Inverted", mx, 136, 100, self, toggle);
    proToolsGRMeter = zzCheckBox(view, @"Pro Tools GR", 700, 136, 130, self, toggle);
    zzGroup(view, @"Variable Binding", 586, 168, 252, 88);
    enableVarBinding = zzCheckBox(view, @"Enable Variable Binding", mx, 190, 230, self, toggle);
    zzLabel(view, @"Variable:", mx, 212, 120);
    boundVariableName = zzField(view, 680, 212, 145);
    zzLabel(view, @"Datatype:", mx, 236, 120);
    boundVarDataypeCombo = zzCombo(view, 680, 235, 145);

    // Comment and commands.
    zzLabel(view, @"Comment:", 302, 262, 100);
    commentView = [[NSScrollView alloc] initWithFrame:NSMakeRect(302, 282, 272, 100)];
    [commentView setHasVerticalScroller:YES];
    [commentView setBorderType:NSBezelBorder];
    const NSSize contentSize = [commentView contentSize];
    textView = [[NSTextView alloc] initWithFrame:NSMakeRect(0, 0, contentSize.width, contentSize.height)];
    [textView setRichText:NO];
    [textView setVerticallyResizable:YES];
    [textView setHorizontallyResizable:NO];
    [textView setAutoresizingMask:NSViewWidthSizable];
    [commentView setDocumentView:textView];
    [textView release];
    [view addSubview:commentView];
    [commentView release];

    zzPushButton(view, @"Copy Code", 586, 276, 124, self, @selector(copyCodeClipboard:));
    zzPushButton(view, @"Copy Variable", 714, 276, 124, self, @selector(copyBoundVarClipboard:));
    zzPushButton(view, @"Reset", 586, 358, 124, self, @selector(handleReset:));
    zzPushButton(view, @"Exit", 714, 358, 124, self, @selector(handleExit:));

    [self setView:view];

    outlets = new AppKitOutlets;
    [self connectOutlets];
    page = new zz::mac::ControlCoderPage(*outlets, AppKitServices::shared(), zz::mac::SharedData::getSharedData());
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
    page->viewDidLoad();
}

- (void)viewDidAppear
{
    zzSizeWindow([self view]);
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
    page->initControls();
}

- (void)parseControls
{
    page->parseControls();
}

- (IBAction)toggleButton:(id)sender
{
    (void)sender;
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
    page->copyCodeClipboard();
}

- (IBAction)copyBoundVarClipboard:(id)sender
{
    (void)sender;
    page->copyBoundVarClipboard();
}

- (IBAction)handleReset:(id)sender
{
    (void)sender;
    page->handleReset();
}

- (IBAction)handleExit:(id)sender
{
    (void)sender;
    page->handleExit();
}

@end
