// Replacement pairs, applied in this order. The two-character ヴ pairs come
// before the single ヴ, and ヰ/ヱ produce small vowels that the later rows
// enlarge (ヰ ends as ウイ).
#include "core/fold_tables.h"

namespace mirado {

const FoldPair kKanaFoldTable[] = {
    {u"\u30FB", u""}, {u"\uFF1D", u""}, {u"\uFF0F", u""}, {u"\uFF08", u""}, {u"\uFF09", u""},       {u"\u30FC", u""},
    {u"\u2015", u""}, {u"\uFF0D", u""}, {u"\u2010", u""}, {u"\uFF0E", u""}, {u"\u266F", u"\uFF03"}, {u"\u3000", u" "},
    {u"ヴァ", u"バ"}, {u"ヴィ", u"ビ"}, {u"ヴェ", u"ベ"}, {u"ヴォ", u"ボ"}, {u"ヴ", u"ブ"},         {u"ヮ", u"ワ"},
    {u"ヰ", u"ウィ"}, {u"ヱ", u"ウェ"}, {u"ヲ", u"オ"},   {u"ャ", u"ヤ"},   {u"ュ", u"ユ"},         {u"ョ", u"ヨ"},
    {u"ッ", u""},     {u"ァ", u"ア"},   {u"ィ", u"イ"},   {u"ゥ", u"ウ"},   {u"ェ", u"エ"},         {u"ォ", u"オ"},
};
const std::size_t kKanaFoldTableSize = sizeof kKanaFoldTable / sizeof kKanaFoldTable[0];

const FoldPair kOperatorFoldTable[] = {
    {u"\u00D7", u"*"}, {u"\u30FB", u"*"},  {u"\uFF65", u"*"}, {u"\u00F7", u"/"},  {u"\u30FC", u"-"},
    {u"\u2015", u"-"}, {u"\u2010", u"-"},  {u"\u2252", u"="}, {u"\u2260", u"!="}, {u"\u2266", u"<="},
    {u"\u226A", u"<"}, {u"\u2267", u">="}, {u"\u226B", u">"},
};
const std::size_t kOperatorFoldTableSize = sizeof kOperatorFoldTable / sizeof kOperatorFoldTable[0];

}  // namespace mirado
