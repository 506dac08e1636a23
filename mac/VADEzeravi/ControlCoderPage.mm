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

- (void)connectOutlets
{
    outlets->connectNamed(self, zz::mac::kFirstCoderOutlet, Outlet::count);
}

- (void)loadView
{
    NSView* view = [[[FlippedView alloc] initWithFrame:NSMakeRect(0, 0, zzPageWidth, zzPageHeight)] autorelease];
    const SEL typeChange = @selector(handleControlButtChange:);
    const SEL defaultChange = @selector(handleOffOnDefaultButtChange:);
    const CGFloat m = zzPageMargin;
    const CGFloat row = zzFieldHeight + 5;      // a row of text fields
    const CGFloat buttonRow = zzButtonHeight + 3;  // a row of radio buttons

    // The control itself.
    const CGFloat lx = m, lw = 122, fx = lx + lw + 4, fw = 130;
    CGFloat y = m;
    controlName = zzLabeledField(view, @"Control Name:", lx, fx, y, fw);
    y += row;
    controlID = zzLabeledField(view, @"Control ID:", lx, fx, y, fw);
    y += row;
    controlUnits = zzLabeledField(view, @"Units:", lx, fx, y, fw);
    y += row;
    minValue = zzLabeledField(view, @"Min Value:", lx, fx, y, fw);
    y += row;
    maxValue = zzLabeledField(view, @"Max Value:", lx, fx, y, fw);
    y += row;
    defaultValue = zzLabeledField(view, @"Default Value:", lx, fx, y, fw);
    y += row;
    displayPrecision = zzLabeledField(view, @"Display Precision:", lx, fx, y, 50);
    y += row;
    controlTaperCombo = zzLabeledCombo(view, @"Control Taper:", lx, fx, y, fw);
    y += row;
    controlDataCombo = zzLabeledCombo(view, @"Interpret As:", lx, fx, y, fw);
    y += row + 5;
    includePIPDeclaration = zzCheckBox(view, @"Include piParam Declaration", lx, y, fx + fw - lx, nil, NULL);

    // Kind of control and the switches.
    const CGFloat tx = fx + fw + 10, tw = 282, ti = tx + zzGroupInset, tiw = tw - 2 * zzGroupInset;
    y = m + zzGroupTop;
    continuousControlButt = zzRadio(view, @"Continuous Numeric (knob, slider)", ti, y, tiw, self, typeChange);
    y += buttonRow;
    onOffControlButt = zzRadio(view, @"String List - Switch (OFF, ON)", ti, y, tiw, self, typeChange);
    y += buttonRow;
    multiStringControlButt = zzRadio(view, @"String List Switch (multiple taps)", ti, y, tiw, self, typeChange);
    y += buttonRow;
    meterControlButt = zzRadio(view, @"Meter", ti, y, tiw, self, typeChange);
    y += zzButtonHeight + 8;
    zzGroup(view, @"Control Type", tx, m, tw, y - m);

    const CGFloat sl = 106, sx = ti + sl + 4, sw = ti + tiw - sx;
    const CGFloat switchesTop = y + 10;
    y = switchesTop + zzGroupTop;
    onOffStringList = zzLabeledField(view, @"On/Off Strings:", ti, sx, y, sw);
    y += row;
    zzLabel(view, @"Default:", ti, y - 2, sl);
    offOnDefOff = zzRadio(view, @"OFF", sx, y, 60, self, defaultChange);
    offOnDefOn = zzRadio(view, @"ON", sx + 68, y, 60, self, defaultChange);
    y += buttonRow + 2;
    multiStringList = zzLabeledField(view, @"Multi Strings:", ti, sx, y, sw);
    y += row;
    defaultMultiStringIndex = zzLabeledField(view, @"Default Index:", ti, sx, y, 50);
    y += zzFieldHeight + 8;
    zzGroup(view, @"Switches", tx, switchesTop, tw, y - switchesTop);

    // The comment, under the switches down to the bottom margin.
    y += 8;
    [zzLabel(view, @"Comment:", tx, y - 3, 100) setAlignment:NSTextAlignmentLeft];
    y += 19;
    commentView = [[NSScrollView alloc] initWithFrame:NSMakeRect(tx, y, tw, zzPageHeight - m - y)];
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

    // Meter and binding: labels, then the controls from one column on.
    const CGFloat mx = tx + tw + 10, mw = zzPageWidth - m - mx, mi = mx + zzGroupInset, miw = mw - 2 * zzGroupInset;
    const CGFloat cx = mi + 104, cw = mi + miw - cx, nw = 60;
    y = m + zzGroupTop;
    meterAttack = zzLabeledField(view, @"Attack:", mi, cx, y, nw);
    zzLabel(view, @"mSec", cx + nw + 4, y, 44);
    y += row;
    meterRelease = zzLabeledField(view, @"Release:", mi, cx, y, nw);
    zzLabel(view, @"mSec", cx + nw + 4, y, 44);
    y += row;
    meterDetectCombo = zzLabeledCombo(view, @"Detect Mode:", mi, cx, y, cw);
    y += row;
    meterCalCombo = zzLabeledCombo(view, @"Calibration:", mi, cx, y, cw);
    y += row + 2;
    invertedMeter = zzCheckBox(view, @"Inverted", mi, y, 90, nil, NULL);
    proToolsGRMeter = zzCheckBox(view, @"Pro Tools GR", cx, y, cw, nil, NULL);
    y += zzButtonHeight + 8;
    zzGroup(view, @"Meter", mx, m, mw, y - m);

    const CGFloat bindingTop = y + 10;
    y = bindingTop + zzGroupTop;
    enableVarBinding = zzCheckBox(view, @"Enable Variable Binding", mi, y, miw, nil, NULL);
    y += buttonRow;
    boundVariableName = zzLabeledField(view, @"Variable:", mi, cx, y, cw);
    y += row;
    boundVarDataypeCombo = zzLabeledCombo(view, @"Datatype:", mi, cx, y, cw);
    y += zzFieldHeight + 8;
    zzGroup(view, @"Variable Binding", mx, bindingTop, mw, y - bindingTop);

    // The commands: copying under the binding, Reset and Exit at the bottom.
    const CGFloat bw = (mw - 8) / 2, bottom = zzPageHeight - m - zzPushHeight;
    NSButton* copyCode = zzPushButton(view, @"Copy Code", mx, bottom - zzPushHeight - 4, bw, self,
                                      @selector(copyCodeClipboard:));
    NSButton* copyVariable = zzPushButton(view, @"Copy Variable", mx + bw + 8, bottom - zzPushHeight - 4, bw, self,
                                          @selector(copyBoundVarClipboard:));
    NSButton* reset = zzPushButton(view, @"Reset", mx, bottom, bw, self, @selector(handleReset:));
    NSButton* exitButton = zzPushButton(view, @"Exit", mx + bw + 8, bottom, bw, self, @selector(handleExit:));

    // Tab walks the page in reading order, down each column.
    keyViews = [[NSArray alloc] initWithObjects:controlName, controlID, controlUnits, minValue, maxValue, defaultValue,
                                              displayPrecision, controlTaperCombo, controlDataCombo,
                                              includePIPDeclaration, continuousControlButt, onOffControlButt,
                                              multiStringControlButt, meterControlButt, onOffStringList, offOnDefOff,
                                              offOnDefOn, multiStringList, defaultMultiStringIndex, textView,
                                              meterAttack, meterRelease, meterDetectCombo, meterCalCombo,
                                              invertedMeter, proToolsGRMeter, enableVarBinding, boundVariableName,
                                              boundVarDataypeCombo, copyCode, copyVariable, reset, exitButton, nil];
    [self chainKeyViews];

    [self setView:view];

    outlets = new AppKitOutlets;
    [self connectOutlets];
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
