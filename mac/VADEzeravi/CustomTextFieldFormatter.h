#import <Cocoa/Cocoa.h>

// The edit filter of the text fields: caps the length of a text (in UTF-16
// code units), admits one number only, keeps a text on one line, or turns an
// edit into upper case. Its object value is the text itself.
@interface CustomTextFieldFormatter : NSFormatter {
    int maxLength;
    BOOL forceUppercase;
    BOOL numericOnly;
    BOOL singleLine;
}

- (id)init;
- (void)setMaximumLength:(int)len;
- (int)maximumLength;
- (void)setNumericOnly:(BOOL)isNumericOnly;
- (BOOL)numericOnly;
// No line break or other control character.
- (void)setSingleLine:(BOOL)isSingleLine;
- (BOOL)singleLine;
- (BOOL)forceUppercase;

// The acceptance rule for a complete proposed text. `replacement` receives
// the text to show instead when the edit is refused in favour of another
// text (the upper-case form); it is left alone otherwise.
- (BOOL)acceptsProposedString:(NSString*)proposed replacement:(NSString**)replacement;

@end
