#pragma once
// The method shape: preconditions before one guarded body, postconditions
// after it. The quoted forms store the method name with its double quotes
// (the name stringized), the _BARE forms store it as given.
#include "contracts/Exceptions.h"

#define ZV_STR_(x) #x
#define ZV_QUOTE(name) ZV_STR_(name)

#define REQUIRE(cond, name) \
    do { if (!(cond)) throw new PreCondException(__FILE__, __LINE__, ZV_QUOTE(name), #cond); } while (0)
#define REQUIRE_BARE(cond, name) \
    do { if (!(cond)) throw new PreCondException(__FILE__, __LINE__, name, #cond); } while (0)
#define ENSURE(cond, name) \
    do { if (!(cond)) throw new PostCondException(__FILE__, __LINE__, ZV_QUOTE(name), #cond); } while (0)
#define ENSURE_BARE(cond, name) \
    do { if (!(cond)) throw new PostCondException(__FILE__, __LINE__, name, #cond); } while (0)
#define ZV_ASSERT(cond, name) \
    do { if (!(cond)) throw new Assertion(__FILE__, __LINE__, name, #cond, "Assertion"); } while (0)
#define ZV_ASSERT_QUOTED(cond, name) \
    do { if (!(cond)) throw new Assertion(__FILE__, __LINE__, ZV_QUOTE(name), #cond, "Assertion"); } while (0)

// Inner guard: add the name and pass on; anything foreign becomes an
// UnknownError. A cancelled parse passes through untouched.
#define ZV_TRY try {
#define ZV_CATCH(name)                                                   \
    }                                                                    \
    catch (Assertion * zvAssertion) { zvAssertion->Rethrow(name); }      \
    catch (CCancelParseException*) { throw; }                            \
    catch (...) { throw new UnknownError(__FILE__, __LINE__, name); }

// Outermost guard: report and return as if the operation had ended.
#define ZV_CATCH_OUTER(name)                                             \
    }                                                                    \
    catch (Assertion * zvAssertion) {                                    \
        zvAssertion->Report(name);                                       \
        zvAssertion->Delete();                                           \
    }                                                                    \
    catch (...) {                                                        \
        UnknownError* zvUnknown = new UnknownError(__FILE__, __LINE__, name); \
        zvUnknown->Report(name);                                         \
        zvUnknown->Delete();                                             \
    }
