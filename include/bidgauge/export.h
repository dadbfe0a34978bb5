/* Marks the functions libbidgauge exports; everything else stays hidden. */
#ifndef BIDGAUGE_EXPORT_H
#define BIDGAUGE_EXPORT_H

#if defined(__GNUC__) || defined(__clang__)
#define BIDGAUGE_API __attribute__((visibility("default")))
#else
#define BIDGAUGE_API
#endif

#endif /* BIDGAUGE_EXPORT_H */
