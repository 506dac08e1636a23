#import <Cocoa/Cocoa.h>

#include "coderpagelogic.h"

class AppKitOutlets;

// The control coder page. Its behaviour is the portable
// zz::mac::CoderPageLogic; this class builds the controls, connects the
// outlets and forwards the actions.
@interface ControlCoderPage : NSViewController {
    IBOutlet NSTextField* controlName;
    IBOutlet NSTextField* controlID;
    IBOutlet NSTextField* controlUnits;
    IBOutlet NSTextField* minValue;
    IBOutlet NSTextField* maxValue;
    IBOutlet NSTextField* defaultValue;
    IBOutlet NSTextField* displayPrecision;
    IBOutlet NSTextField* onOffStringList;
    IBOutlet NSTextField* boundVariableName;
    IBOutlet NSTextField* multiStringList;
    IBOutlet NSPopUpButton* controlTaperCombo;
    IBOutlet NSPopUpButton* controlDataCombo;
    IBOutlet NSPopUpButton* boundVarDataypeCombo;  // the bound variable's data type (the outlet's spelling)
    IBOutlet NSPopUpButton* meterDetectCombo;
    IBOutlet NSPopUpButton* meterCalCombo;
    IBOutlet NSTextField* defaultMultiStringIndex;
    IBOutlet NSTextField* meterAttack;
    IBOutlet NSTextField* meterRelease;
    IBOutlet NSButton* continuousControlButt;
    IBOutlet NSButton* onOffControlButt;
    IBOutlet NSButton* multiStringControlButt;
    IBOutlet NSButton* meterControlButt;
    IBOutlet NSButton* includePIPDeclaration;
    IBOutlet NSButton* enableVarBinding;
    IBOutlet NSButton* invertedMeter;
    IBOutlet NSButton* proToolsGRMeter;
    IBOutlet NSButton* offOnDefOff;
    IBOutlet NSButton* offOnDefOn;
    IBOutlet NSScrollView* commentView;
    IBOutlet NSTextView* textView;  // the comment editor, inside commentView

    // The controls in the order Tab walks them.
    NSArray* keyViews;
    AppKitOutlets* outlets;
    zz::mac::CoderPageLogic* logic;
}

- (AppKitOutlets*)outlets;

- (void)viewDidLoad;
- (void)viewDidAppear;
- (void)viewWillDisappear;
// Puts the page's order of Tab in place again.
- (void)chainKeyViews;

// The page's operations under their own names; nothing calls these, the logic runs its own.
- (void)initControls;
- (void)parseControls;

// The type and default buttons' actions: the radio group only.
- (IBAction)handleControlButtChange:(id)sender;
- (IBAction)handleOffOnDefaultButtChange:(id)sender;
- (IBAction)copyCodeClipboard:(id)sender;
- (IBAction)copyBoundVarClipboard:(id)sender;
- (IBAction)handleReset:(id)sender;
- (IBAction)handleExit:(id)sender;

@end
