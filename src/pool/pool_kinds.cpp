// The pool kinds, one row each.
#include "pool/pool_kinds.h"

#include <new>

namespace PoolCommand {
namespace {

template <typename T>
PoolAbstract* Create() {
  return new (std::nothrow) T();
}

}  // namespace

const PoolKindEntry kPoolKindTable[] = {
    {u"FIASCO", Create<Fiasco>},
};
const std::size_t kPoolKindTableSize = sizeof kPoolKindTable / sizeof kPoolKindTable[0];

}  // namespace PoolCommand
