#include "study/report_templates.hpp"

namespace bidgauge {

// Everything the page needs is in it: no script, font or style from
// anywhere else, so it opens from disk with no network.
const std::string_view kIndexPage = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>bidgauge: how well each count predicts tricks</title>
<style>
  body { font-family: sans-serif; max-width: 62rem; margin: 1.5rem auto; padding: 0 1rem;
         line-height: 1.45; color: #222; background: #fff; }
  h1 { font-size: 1.6rem; }
  h2 { font-size: 1.25rem; margin-top: 2.2rem; border-bottom: 1px solid #ccc; }
  h3 { font-size: 1.05rem; }
  table { border-collapse: collapse; margin: 0.6rem 0 1rem; }
  th, td { padding: 0.2rem 0.6rem; border-bottom: 1px solid #e4e4e4; white-space: nowrap; }
  th { text-align: left; background: #f3f3f3; }
  td.number { text-align: right; font-variant-numeric: tabular-nums; }
  .interval { color: #666; }
  svg { max-width: 100%; height: auto; display: block; margin: 0.5rem 0; }
  details { margin: 0.3rem 0; }
  summary { cursor: pointer; }
  code { background: #f3f3f3; padding: 0 0.2rem; }
</style>
</head>
<body>
<h1>How well each count predicts tricks</h1>
<p>@SUMMARY@</p>

<h2>How the study works</h2>
<p>Each deal gives two samples, one per partnership. A method's <em>count</em> for a
partnership is the sum of its two hands' values (KnR, Zar, Kleinman, Culbertson's Honor
Tricks, and as baselines plain 4-3-2-1 points and a constant that says the same for every
partnership). The tricks are double-dummy: in notrump, and in the partnership's longest
combined suit (a tie goes to the suit where it takes more tricks), each by the better of
its two declarers.</p>
<p>For each method a straight line <code>tricks = a + b &times; count</code> is fitted on the
even-numbered deals only; the odd-numbered deals, which the fit never saw, test it.
<em>r</em> is the correlation of count and tricks on the test deals; the <em>residual
deviation</em> is the root mean square of tricks minus predicted tricks, and the <em>mean
absolute error</em> the mean of its size, both in tricks. The brackets give 95% intervals
from @RESAMPLES@ bootstrap resamples of the test deals (seed @SEED@). The last column asks
whether a method really beats plain points: its residual deviation minus that of the 4-3-2-1
count on the same resamples. Below zero, the method predicts tricks better; a
<strong>*</strong> marks an interval that leaves zero out, a difference the resamples agree
on. The constant is the floor: any count worth using should come well below it.</p>

@FIT_TABLES@

<h2>Held-out error side by side</h2>
<p>The residual deviation and mean absolute error of every method's line on the test deals,
with their 95% intervals.</p>
@ERRORS_PLOT@

<h2>Calibration</h2>
<p>For each count value, the mean tricks of the test partnerships holding it (counts held by
fewer than ten partnerships are left out), the fitted line, and a band one residual
deviation either side of it: about two partnerships in three fall inside the band. A curve
that bends away from the line shows where a count is worth more or less than the line
says.</p>
@CALIBRATION_PLOTS@
@CALIBRATION_TABLES@

<h2>Hand patterns</h2>
<p>The mean residual (tricks minus predicted) on the test deals of the partnerships one of
whose hands has the pattern; a partnership counts once for each of its hands. Above zero,
the method undervalues the shape (the side takes more tricks than its count says); below
zero, it overvalues it.</p>
@PATTERN_TABLES@

<h2>Opening marks</h2>
<p>How often each method's opening requirement says to open (of all hands), and the mean
tricks of the partnerships with a hand it opens and of those without one.</p>
@OPENING_TABLE@
<p>How often two methods mark a hand alike (both open, or neither does).</p>
@AGREEMENT_TABLE@

<h2>The files in this folder</h2>
<p><code>summary.json</code> holds every number above exactly; <code>fits.tsv</code>,
<code>calibration.tsv</code>, <code>patterns.tsv</code>, <code>opening.tsv</code> and
<code>agreement.tsv</code> hold the tables, tab-separated. The drawings come from
<code>calibration.gp</code> and <code>errors.gp</code> with the data in <code>calibration.dat</code>
and <code>errors.dat</code>: restyle the scripts and run <code>gnuplot calibration.gp</code>
in this folder to redraw them (this page keeps the drawings it was written with).</p>
</body>
</html>
)html";

}  // namespace bidgauge
