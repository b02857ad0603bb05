// Export macro of the TovXp library: symbols are exported when building it, imported by its users.
#pragma once

#include <QtCore/qglobal.h>

#if defined(TOVXP_LIBRARY)
#define TOVXP_EXPORT Q_DECL_EXPORT
#else
#define TOVXP_EXPORT Q_DECL_IMPORT
#endif
