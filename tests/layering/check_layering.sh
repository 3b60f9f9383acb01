#!/usr/bin/env bash
# Reads every #include under src/ and fails on one that points up the layers,
# or on a widget header in a layer that must run without a window.
#   check_layering.sh SRC_DIR [QTWIDGETS_INCLUDE_DIR]
set -uo pipefail
src=$1
widgets_dir=${2:-}

# Lowest first; a folder may include its own and any lower layer.
layers=(platform math render model formula richtext cells solids commands editing view ui app)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
rank[richtext]=${rank[formula]}   # one library with formula
headless=(platform math render model formula richtext cells solids commands editing)

# The families inside cells/, lowest first: a family may include its own
# and any lower one.  The dynamic cells split into families of their own,
# some below the constructed points (loci and curves carry points, vectors
# move points), the buttons above them.  Headers at the top of cells/ (the
# class registration) are not ranked.
cell_families=(primitives "texts revolution" constrained "dynamic/measures dynamic/graphing" dynamic/parameters
               "dynamic/vectors dynamic/paths dynamic/surfaces" "dynamic/iterations dynamic/tracks" constructed pageservices dynamic/buttons
               solids dynamic)
declare -A cell_rank
for i in "${!cell_families[@]}"; do
  for family in ${cell_families[$i]}; do cell_rank[$family]=$i; done
done

# The family of a path under cells/ ("dynamic/paths/curve.h" -> dynamic/paths,
# "constructed/paths/carriers.h" -> constructed); empty for a top file.
cell_family() {
  local path=$1
  [[ $path == */* ]] || return 0
  local first=${path%%/*} rest=${path#*/}
  if [ "$first" = dynamic ] && [[ $rest == */* ]]; then
    echo "dynamic/${rest%%/*}"
  else
    echo "$first"
  fi
}

declare -A widget_header
if [ -n "$widgets_dir" ] && [ -d "$widgets_dir" ]; then
  for h in "$widgets_dir"/Q*; do widget_header[$(basename "$h")]=1; done
fi

failures=0
while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  layer=${rel%%/*}
  [ -n "${rank[$layer]+x}" ] || continue
  is_headless=0
  for h in "${headless[@]}"; do [ "$h" = "$layer" ] && is_headless=1; done
  family=""
  if [ "$layer" = cells ]; then
    family=$(cell_family "${rel#cells/}")
    if [ -n "$family" ] && [ -z "${cell_rank[$family]+x}" ]; then
      echo "$rel: the cells family $family has no rank in this script"
      failures=$((failures + 1))
      family=""
    fi
  fi
  while IFS= read -r line; do
    if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z]+)/ ]]; then
      target=${BASH_REMATCH[1]}
      if [ -n "${rank[$target]+x}" ] && (( rank[$target] > rank[$layer] )); then
        echo "$rel: $line (a $layer file may not include $target/)"
        failures=$((failures + 1))
      elif [ -n "$family" ] && [[ $line =~ \"cells/([^\"]+)\" ]]; then
        included=$(cell_family "${BASH_REMATCH[1]}")
        if [ -n "$included" ] && [ -n "${cell_rank[$included]+x}" ] &&
           (( cell_rank[$included] > cell_rank[$family] )); then
          echo "$rel: $line (a cells/$family file may not include cells/$included/)"
          failures=$((failures + 1))
        fi
      fi
    elif (( is_headless )) && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(QtWidgets/)?(Q[A-Za-z]*)\> ]]; then
      if [ -n "${BASH_REMATCH[1]}" ] || [ -n "${widget_header[${BASH_REMATCH[2]}]+x}" ]; then
        echo "$rel: $line (a widget header in the headless $layer layer)"
        failures=$((failures + 1))
      fi
    fi
  done < "$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if (( failures )); then
  echo "$failures include(s) break the layering"
  exit 1
fi
echo "layering holds"
