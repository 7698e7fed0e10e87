#pragma once

#include <QCollator>

// The lists of both programs hold Polish names, so they are ordered by the Polish rules whatever
// locale the session runs in: under LANG=C (a service, a fresh container) a collator of the
// session's locale would put Ł, Ś and Ż after Z. Case is ignored.
//
// One collator serves every sorted list: the person list, the lists by group, the search hits, the
// picker and the sorted flat list boxes. Use it from the GUI thread only (a QCollator is reentrant,
// not thread-safe).
const QCollator& polishCollator();
