# The held-out error of every method side by side, both targets, with the
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
