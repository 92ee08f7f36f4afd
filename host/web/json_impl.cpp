// Boost.JSON's compiled part, built into the web host once (header-only use,
// so no Boost.JSON library package is needed).
#include <boost/json/src.hpp>
