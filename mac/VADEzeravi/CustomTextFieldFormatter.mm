#import "CustomTextFieldFormatter.h"

#include <string>

#include "outlets.h"

@implementation CustomTextFieldFormatter

- (id)init
{
    self = [super init];
    if (self) {
        maxLength = INT_MAX;
        forceUppercase = NO;
        numericOnly = NO;
        singleLine = NO;
    }
    return self;
}

- (void)setMaximumLength:(int)len
{
    maxLength = len;
}

- (int)maximumLength
{
    return maxLength;
}

- (void)setNumericOnly:(BOOL)isNumericOnly
{
    numericOnly = isNumericOnly;
}

- (BOOL)numericOnly
{
    return numericOnly;
}

- (void)setSingleLine:(BOOL)isSingleLine
{
    singleLine = isSingleLine;
}

- (BOOL)singleLine
{
    return singleLine;
}

- (BOOL)forceUppercase
{
    return forceUppercase;
}

- (NSString*)stringForObjectValue:(id)object
{
    return (NSString*)object;
}

- (BOOL)getObjectValue:(id*)object forString:(NSString*)string errorDescription:(NSString**)error
{
    (void)error;
    *object = string;
    return YES;
}

- (NSAttributedString*)attributedStringForObjectValue:(id)anObject withDefaultAttributes:(NSDictionary*)attributes
{
    (void)anObject;
    (void)attributes;
    return nil;
}

- (BOOL)acceptsProposedString:(NSString*)proposed replacement:(NSString**)replacement
{
    zz::mac::FormatterRule rule;
    rule.maxLength = maxLength;
    rule.forceUppercase = forceUppercase;
    rule.numericOnly = numericOnly;
    rule.singleLine = singleLine;
    const char* utf8 = [proposed UTF8String];
    const zz::mac::FormatterRule::Verdict verdict = rule.check(utf8 ? utf8 : "");
    if (verdict.replacement && replacement) {
        *replacement = [NSString stringWithUTF8String:verdict.replacement->c_str()];
    }
    return verdict.accepted ? YES : NO;
}

- (BOOL)isPartialStringValid:(NSString**)partialStringPtr
       proposedSelectedRange:(NSRangePointer)proposedSelRangePtr
              originalString:(NSString*)origString
       originalSelectedRange:(NSRange)origSelRange
            errorDescription:(NSString**)error
{
    (void)proposedSelRangePtr;
    (void)origString;
    (void)origSelRange;
    (void)error;
    NSString* replacement = nil;
    const BOOL accepted = [self acceptsProposedString:*partialStringPtr replacement:&replacement];
    if (replacement) *partialStringPtr = replacement;
    return accepted;
}

@end
