// The plug-in library itself: the core is linked in whole, so the entry
// points it defines are this library's exports. Nothing else lives here.
