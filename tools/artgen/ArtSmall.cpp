#include "Catalog.h"
namespace art { void addSmallArt(Catalog&) {} }
