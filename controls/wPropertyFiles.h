// Property lists and files: an object's published properties (see
// wProperties.h) as lines "path = value", and back.
//
// SavePropertiesToList visits the properties in table order and writes each
// stored one that has a setter, under the path Prefix + "." + name (the name
// alone when Prefix is blank), unless the path is in Exclusions (ignoring
// case). Ordinals are written as decimal integers (enumerations as their
// ordinal, Booleans 0 and 1, sets as the integer of their bits), skipped with
// OnlyNonDefault when equal to the declared default; floats in the C locale
// in their shortest form of at most 15 significant digits; strings with CR
// as "#13" and LF as "#10", whole, whatever their length; nested objects
// (Class) recursively with their path as the prefix.
//
// LoadPropertiesFromList applies and deletes lines from the top of Lines
// while they belong to Prefix (StripPathPrefix): the first line of another
// section stays. SetPropertyFromString follows a dotted path into nested
// objects and converts the text by kind: ordinals as integers (decimal, or
// hex after "$" or "0x"; an enumeration or set value outside its type is
// refused), floats with the first ',' read as '.', strings with "#13" and
// "#10" turned back. A bad text raises TwException with the conversion
// error; lines applied before it stay applied. A path that names no property
// is ignored (the "File Type" line of a file passes so).
//
// Files (ReadPropertyFile, WritePropertyFile) are UTF-8 text with CR LF line
// ends; reading also takes LF alone and drops a trailing CR. The controls'
// own SavePropertiesToFile / LoadPropertiesFromFile are TwComponent members.
#pragma once

#include <QString>
#include <QStringList>

#include "controls/wProperties.h"

void SavePropertiesToList(const TwPropertyObject& Object, const QString& Prefix, QStringList& Lines,
                          bool OnlyNonDefault, const QStringList* Exclusions = nullptr);
void LoadPropertiesFromList(const TwPropertyObject& Object, const QString& Prefix, QStringList& Lines);

// The section of a line's Name under Prefix: when the first path component
// equals Prefix ignoring case, it is removed from Name and returned; else
// the section is empty and Name stays.
QString StripPathPrefix(const QString& Prefix, QString& Name);

// Finds the first line whose name (the trimmed text before the first '=')
// equals Key ignoring case, sets Value to its trimmed value and deletes it.
bool ReadListValue(const QString& Key, QString& Value, QStringList& Lines);

// Name and Value: the trimmed texts around the first Separator; both empty
// when there is none.
void SplitNameValue(const QString& Line, QChar Separator, QString& Name, QString& Value);

// Separator: the local decimal separator ('.' here; ',' swaps the rule).
void SetPropertyFromString(const TwPropertyObject& Object, const QString& Path, const QString& Value,
                           QChar Separator = QLatin1Char('.'));

// The nested object of the Class property Name when it lives in its owner;
// empty otherwise (no such property, another kind, or an object held by
// value).
TwPropertyObject GetObjectPropByName(const TwPropertyObject& Object, const QString& Name);

// The conversions of SetPropertyFromString, for the other routines that set
// properties from text (schemes, item binding). Raise TwException.
qint64 PropertyOrdinalFromText(const TwPropertyInfo& Property, const QString& Text);
double PropertyFloatFromText(const QString& Text, QChar Separator = QLatin1Char('.'));

// The texts of the files: ordinals, floats and strings as the lists hold them.
QString PropertyFloatText(double Value);
QString EscapeLineBreaks(const QString& Text);
QString UnescapeLineBreaks(const QString& Text);

// Raise TwException ("Cannot open file ..." / "Cannot create file ...").
QStringList ReadPropertyFile(const QString& FileName);
void WritePropertyFile(const QString& FileName, const QStringList& Lines);
