// The C++ runtime's default handler for an exception that nothing catches
// names the exception's type, unmangled, on the standard error before it
// aborts. A program in the GUI subsystem has no standard error to show it
// on, and the demangler it needs is a sixth of the launcher's size. This
// definition takes the place of the runtime's own: it aborts at once.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
