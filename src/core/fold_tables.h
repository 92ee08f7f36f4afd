// The ordered replacement tables behind FoldForMatch and FoldOperators.
#ifndef MIRADO_CORE_FOLD_TABLES_H_
#define MIRADO_CORE_FOLD_TABLES_H_

#include <cstddef>

namespace mirado {

struct FoldPair {
  const char16_t* search;
  const char16_t* replacement;  // empty: the search text is deleted
};

extern const FoldPair kKanaFoldTable[];
extern const std::size_t kKanaFoldTableSize;
extern const FoldPair kOperatorFoldTable[];
extern const std::size_t kOperatorFoldTableSize;

}  // namespace mirado

#endif  // MIRADO_CORE_FOLD_TABLES_H_
