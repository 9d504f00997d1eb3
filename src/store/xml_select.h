#pragma once
// Evaluates a store query's location path against a document without a
// general XPath engine, which costs about half a millisecond per root-anchored
// lookup on a level file. The walk finds exactly what the expression selects:
// the first matching <KeyVal> in document order over every section the path
// matches, so a section whose label repeats is searched in all its copies.

#include <pugixml.hpp>

#include "store/store_query.h"
#include "store/xml_io.h"

// The <KeyVal> element the query names, or null (always null for an unusable query).
pugi::xml_node SelectValue(XmlDocument* document, const StoreQuery& query);
