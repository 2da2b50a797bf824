#pragma once
// Inlining of the text loader's per-line routines, which the compiler's size heuristics
// would otherwise leave as calls costing more than the work they do.

#if defined(__GNUC__) || defined(__clang__)
#define CORV_FORCE_INLINE inline __attribute__((always_inline))
#define CORV_INLINE_LAMBDA __attribute__((always_inline))
#elif defined(_MSC_VER)
#define CORV_FORCE_INLINE __forceinline
#define CORV_INLINE_LAMBDA
#else
#define CORV_FORCE_INLINE inline
#define CORV_INLINE_LAMBDA
#endif
