#include "study/report_templates.hpp"

#include <algorithm>

namespace bidgauge {

const std::string_view kCalibrationScript =
    R"gp(# Calibration of each method's count: the mean tricks of the test deals'
# partnerships at each count value, the line fitted on the even deals, and a
# band one residual deviation either side of it. Restyle freely, then run
#   gnuplot calibration.gp
# in this folder to redraw calibration_notrump.svg and calibration_longest_suit.svg.
#
# calibration.dat holds a block per target and method, block target*6+method
# (from 0): count, partnerships, mean tricks, their deviation.

@NUMBERS@

# Counts held by fewer partnerships than this are left out of the curve.
min_samples = 10

set encoding utf8
set terminal svg size 1000,660 font "sans,12" noenhanced background rgb "white"
set yrange [0:13]
set ytics 1
set grid
set key top left samplen 2 opaque
set xlabel "count of the partnership's two hands"
set ylabel "tricks"
set style fill transparent solid 0.25 noborder

do for [t = 1:2] {
  set output sprintf("calibration_%s.svg", target_file[t])
  set multiplot layout 2,3 title sprintf("Tricks (%s) against each count, test deals", target_name[t])
  do for [m = 1:6] {
    i = (t - 1) * 6 + m
    a = intercept[i]; b = slope[i]; s = deviation[i]
    set title sprintf("%s   (residual dev. %.2f)", method_name[m], s)
    set xrange [count_low[i]:count_high[i]]
    plot 'calibration.dat' index (i - 1) using 1:(a + b * $1 - s):(a + b * $1 + s) \
           with filledcurves lc rgb "#5b8fd0" title (m == 1 ? "line ± 1 residual dev." : ""), \
         '' index (i - 1) using 1:(a + b * $1) with lines lw 2 lc rgb "#1f4e8c" \
           title (m == 1 ? "fitted line" : ""), \
         '' index (i - 1) using 1:($2 >= min_samples ? $3 : NaN) with linespoints \
           pt 7 ps 0.5 lc rgb "#c0392b" title (m == 1 ? "mean tricks" : "")
  }
  unset multiplot
}
unset output
)gp";

const std::string_view kErrorsScript =
    R"gp(# The held-out error of every method side by side, both targets, with the
# 95% bootstrap intervals. Restyle freely, then run
#   gnuplot errors.gp
# in this folder to redraw errors.svg.
#
# errors.dat: a line per method: its number and name, then for notrump and the
# longest suit the residual deviation (value, low, high), then the same for the
# mean absolute error.

notrump_colour = "#5b8fd0"
suit_colour = "#e39b3b"

set terminal svg size 1000,760 font "sans,12" noenhanced background rgb "white"
set output 'errors.svg'
set multiplot layout 2,1 title "Error of each method's line on the test deals (95% intervals)"
set style fill solid 0.7 border -1
set boxwidth 0.36
set xrange [0.4:6.6]
set yrange [0:*]
set grid ytics
set key top left
set ylabel "tricks"

set title "residual deviation"
plot 'errors.dat' using ($1 - 0.19):3:xtic(2) with boxes lc rgb notrump_colour title "notrump", \
     '' using ($1 - 0.19):3:4:5 with yerrorbars lc rgb "black" ps 0 notitle, \
     '' using ($1 + 0.19):6 with boxes lc rgb suit_colour title "longest suit", \
     '' using ($1 + 0.19):6:7:8 with yerrorbars lc rgb "black" ps 0 notitle

set title "mean absolute error"
plot 'errors.dat' using ($1 - 0.19):9:xtic(2) with boxes lc rgb notrump_colour title "notrump", \
     '' using ($1 - 0.19):9:10:11 with yerrorbars lc rgb "black" ps 0 notitle, \
     '' using ($1 + 0.19):12 with boxes lc rgb suit_colour title "longest suit", \
     '' using ($1 + 0.19):12:13:14 with yerrorbars lc rgb "black" ps 0 notitle

unset multiplot
unset output
)gp";

std::string fillTemplate(std::string_view text,
                         const std::vector<std::pair<std::string_view, std::string>>& fields) {
  // One pass over the text, so a value is never searched for names.
  std::string out;
  std::size_t done = 0;
  for (std::size_t at = text.find('@'); at != std::string_view::npos; at = text.find('@', at)) {
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& candidate) {
      return text.substr(at).starts_with(candidate.first);
    });
    if (field == fields.end()) {
      ++at;
      continue;
    }
    out.append(text.substr(done, at - done));
    out += field->second;
    at += field->first.size();
    done = at;
  }
  out.append(text.substr(done));
  return out;
}

}  // namespace bidgauge
