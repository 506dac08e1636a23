#import <Cocoa/Cocoa.h>

// GNUstep never asks a formatter about a partial edit and keeps a refused
// one. The filtered fields there get this delegate, which puts back the last
// accepted text (or the upper-case form) after an edit that the field's
// CustomTextFieldFormatter refuses, with the selection or caret the text had
// then: a refused key press changes nothing. Built for GNUstep only: on a
// Mac the formatter filters the edits itself.
@interface GNUstepEditFilter : NSObject {
    // The field being edited and its field editor; neither is retained.
    NSTextField* field;
    NSText* editor;
    // What the field showed after its last accepted edit, and the selection
    // since then: the caret after that edit, or wherever the person moved it.
    NSString* acceptedText;
    NSRange acceptedSelection;
}
@end
