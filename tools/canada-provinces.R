# Prints the polygons of Canada's provinces and territories from Natural
# Earth's 1:50m admin-1 set (R package rnaturalearthdata, Debian's
# r-cran-rnaturalearthdata) as GMT multi-segment text: a "> CODE" line
# (ISO 3166-2, such as CA-AB) before each ring, then "lon lat" lines.
#
# Usage: Rscript tools/canada-provinces.R > provinces.txt
suppressMessages(library(sp))
e <- new.env()
data("states50", package = "rnaturalearthdata", envir = e)
s <- e$states50
canada <- which(s$admin == "Canada")
for (i in canada) {
    code <- as.character(s$iso_3166_2[i])
    for (ring in s@polygons[[i]]@Polygons) {
        cat(">", code, "\n")
        xy <- ring@coords
        cat(sprintf("%.6f %.6f", xy[, 1], xy[, 2]), sep = "\n")
    }
}
