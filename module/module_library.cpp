// The module's shared library is assembled from the rooms' libraries; this unit only gives
// the library a translation unit of its own.
namespace orvane {
[[maybe_unused]] constexpr const char* kModuleName = "OrvanePlanungUI";
}
