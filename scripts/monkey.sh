#!/usr/bin/env bash
# Plays the whole game headless at random for longer than the build's own
# runs: the seed picks the player's actions and the game's dice.
#
#     scripts/monkey.sh [seed] [steps] [class: yes|no] [build folder]
#
# With class "yes" the month's newcomers are admitted at the start, so that
# lessons, jobs, quests and units are open to play.
# The build folder (default build/test) must hold the built test_app and Data/.
# A seed that fails belongs in tests/app/monkey/ as a regression case.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seed="${1:-$RANDOM}"
steps="${2:-2000}"
class="${3:-no}"
build="${4:-$root/build/test}"

echo "monkey: seed $seed, $steps steps, class $class"
cd "$build"
if [[ "$class" == yes ]]; then export QUORVEL_MONKEY_CLASS=1; fi
QUORVEL_MONKEY_SEED="$seed" QUORVEL_MONKEY_STEPS="$steps" \
    ./test_app --gtest_filter='MonkeyGame.PlaysTheSeedAndStepsAsked'
