# Calibration of each method's count: the mean tricks of the test deals'
# partnerships at each count value, the line fitted on the even deals, and a
# band one residual deviation either side of it. Restyle freely, then run
#   gnuplot calibration.gp
# in this folder to redraw calibration_notrump.svg and calibration_longest_suit.svg.
#
# calibration.dat holds a block per target and method, block target*6+method
# (from 0): count, partnerships, mean tricks, their deviation.

array method_name[6] = ["KnR", "Zar", "Kleinman", "Honor Tricks", "4-3-2-1", "constant"]
array target_name[2] = ["notrump", "longest suit"]
array target_file[2] = ["notrump", "longest_suit"]
array intercept[12] = [-2.5035348074069006, -8.424294190600138, -3.0499557574198395, -1.7871347117183847, -4.17779948606619, 6.0618, 1.309363851606558, -3.7427996407753223, 1.8664199049923589, 2.849619268107886, 1.2414842940055815, 8.402]
array slope[12] = [0.39411626998862803, 0.29530973461029886, 0.46559338981818477, 1.8628727050253087, 0.5119799743033095, 0, 0.3263530692079973, 0.24758071510675647, 0.3339557130232517, 1.3178066697264916, 0.3580257852997209, 0]
array deviation[12] = [1.6540143618283076, 1.7084925527206287, 1.317990941006072, 1.4595207868568485, 1.3375368052081233, 2.7738260868338, 1.0658678608557712, 1.0715848277633135, 1.1847684746951317, 1.2843510352458523, 1.245706378028386, 2.110071847118059]
array count_low[12] = [0.77, 20.41, 0.9199999999999999, 0, 1.98, -0.5, 0.77, 20.41, 0.9199999999999999, 0, 1.98, -0.5]
array count_high[12] = [44.23, 76.59, 39.08, 9.5, 38.02, 0.5, 44.23, 76.59, 39.08, 9.5, 38.02, 0.5]


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
