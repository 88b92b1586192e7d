# The benchmark's chart: each figure's ratio to its floor beside the largest ratio allowed.
# Called by bench.sh with datafile (lines: "figure" ratio target) and outfile.
set terminal pngcairo size 900,480 font "sans,10"
set output outfile
set title "RuSpellSetup against its floors (ratio; lower is better)"
set style data histogram
set style histogram clustered gap 1
set style fill solid 0.8 border -1
set boxwidth 0.9
set yrange [0:*]
set ylabel "setup / floor"
set grid ytics
set key top right
set xtics scale 0 font ",9"
plot datafile using 2:xtic(1) title "measured" linecolor rgb "#3b6ea8", \
     "" using 3 title "target (at most)" linecolor rgb "#c8c8c8", \
     1 notitle with lines dashtype 2 linecolor rgb "#404040"
