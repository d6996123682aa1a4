#!/usr/bin/env perl
# Checks how the sources under src/ depend on each other:
#  - a folder includes only itself and the folders below it
#    (platform, utils, common, export, database, driver, from the ground up);
#  - the catalogue of texts (common/messages) includes nothing of the program, and every
#    folder may include it: the reasons platform and utils give are texts of it too;
#  - units form a tree without cycles. A unit is a header with its sources: a source
#    belongs to the unit of the header it includes first (its own header), so the
#    Linux and Windows implementations of a header, and several sources sharing one
#    header, are one unit with it. Tests are not part of any unit.
# Prints every violation and exits 1 when there is one.
use strict;
use warnings;
use File::Find;

my $src = shift // die "usage: $0 SRC_DIR\n";
my @layers = qw(platform utils common export database driver);
my %rank = map { $layers[$_] => $_ } 0 .. $#layers;
my $catalogue = 'common/messages.h';

my (%unit_of, %includes);
find({ no_chdir => 1, wanted => sub {
    return unless /\.(h|cpp)$/ && !/_test\.cpp$/;
    my $file = substr($File::Find::name, length($src) + 1);
    return unless $file =~ m{/};
    open my $in, '<', $File::Find::name or die "$File::Find::name: $!\n";
    my @found = map { /^\s*#\s*include\s+"([^"]+)"/ ? $1 : () } <$in>;
    $includes{$file} = \@found;
}}, $src);

for my $file (keys %includes) {
    if ($file =~ /\.h$/) {
        $unit_of{$file} = $file;
    } else {
        my $own = $includes{$file}[0];
        $unit_of{$file} = defined $own && exists $includes{$own} ? $own : $file;
    }
}

my @problems;
my %edges;
for my $file (sort keys %includes) {
    my ($folder) = $file =~ m{^([^/]+)/};
    for my $included (@{ $includes{$file} }) {
        next unless exists $includes{$included};
        my ($target) = $included =~ m{^([^/]+)/};
        if ($unit_of{$file} eq $catalogue && $included ne $catalogue) {
            push @problems, "$file includes $included: the catalogue of texts includes nothing";
        } elsif ($included ne $catalogue && exists $rank{$folder} && exists $rank{$target}
                 && $rank{$target} > $rank{$folder}) {
            push @problems, "$file includes $included: $folder/ is below $target/";
        }
        my ($from, $to) = ($unit_of{$file}, $unit_of{$included});
        $edges{$from}{$to} = $file if $from ne $to;
    }
}

# Depth-first search for cycles among units.
my (%state, @stack);
sub visit {
    my ($unit) = @_;
    $state{$unit} = 1;
    push @stack, $unit;
    for my $next (sort keys %{ $edges{$unit} // {} }) {
        if (($state{$next} // 0) == 1) {
            my @cycle = (@stack[(grep { $stack[$_] eq $next } 0 .. $#stack)[0] .. $#stack], $next);
            push @problems, 'include cycle: ' . join(' -> ', map { s/\.h$//r } @cycle);
        } elsif (!$state{$next}) {
            visit($next);
        }
    }
    pop @stack;
    $state{$unit} = 2;
}
visit($_) for grep { !$state{$_} } sort keys %edges;

print "$_\n" for @problems;
printf "%d units checked, %d problems\n", scalar(grep { /\.h$/ } keys %includes), scalar @problems;
exit(@problems ? 1 : 0);
